#pragma once

#include <functional>

#include "app/text.h"
#include "ui/description.h"

namespace om {

// What the dashboard's handlers hand on to the layer that fetches and fills data. An empty
// function means that part of the dashboard is not wired, and the event does nothing.
struct MainWindowActions {
  // The window exists: the first refresh starts at once instead of after the first 30 s tick.
  std::function<void(const WindowRef&)> windowCreated;
  // Every tick of the 30-second refresh timer.
  std::function<void()> refreshTick;
  // A left-button press on the cured-count label.
  std::function<void()> curedLabelPressed;
  // A click on the province list; the row is the focused row, -1 when there is none.
  std::function<void(const WindowRef&, int row)> provinceClicked;
  // Double-clicks on the news list and on the same-trip results; the focused row.
  std::function<void(const WindowRef&, int row)> newsRowOpened;
  std::function<void(const WindowRef&, int row)> sameTripRowOpened;
  // The query buttons with what the page's inputs hold at the moment of the click.
  std::function<void(const WindowRef&, int transportIndex, const Text& number,
                     const Text& destination)>
      sameTripQuery;
  std::function<void(const WindowRef&, const Text& words)> rumourQuery;
  // The user asks for the appreciation window.
  std::function<void()> infoRequested;
};

// The title with the version, and the texts of the status strip.
Text MainWindowVersionTitle();
Text WelcomeText();
Text CurrentTimeLabel();

// The description of the dashboard's main window, with its event bindings.
WindowDescription MainWindowDescription(MainWindowActions actions);

// The controls of the five tab pages, children of the page control, in stacking order.
std::vector<ControlRecord> MainWindowPageControls(const MainWindowActions& actions);

}  // namespace om
