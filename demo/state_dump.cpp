#include "demo/state_dump.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "data/qt_text.h"

namespace om {
namespace {

QJsonArray Texts(const std::vector<Text>& texts) {
  QJsonArray array;
  for (const Text& text : texts) array.append(toQString(text));
  return array;
}

QJsonObject List(const ControlSnapshot& control) {
  QJsonArray rows;
  for (const std::vector<Text>& row : control.rows) rows.append(Texts(row));
  return QJsonObject{{QStringLiteral("columns"), Texts(control.columns)},
                     {QStringLiteral("rows"), rows}};
}

QJsonObject Picture(const ControlSnapshot& control) {
  return QJsonObject{{QStringLiteral("hasPicture"), control.hasPicture},
                     {QStringLiteral("width"), control.width},
                     {QStringLiteral("height"), control.height}};
}

QJsonObject Facts(const DemoRunFacts& facts) {
  return QJsonObject{{QStringLiteral("complete"), facts.complete},
                     {QStringLiteral("statisticsRuns"), facts.statisticsRuns},
                     {QStringLiteral("newsAndMapRuns"), facts.newsAndMapRuns},
                     {QStringLiteral("summaryRuns"), facts.summaryRuns},
                     {QStringLiteral("citiesRuns"), facts.citiesRuns},
                     {QStringLiteral("sameTripRuns"), facts.sameTripRuns},
                     {QStringLiteral("rumourRuns"), facts.rumourRuns},
                     {QStringLiteral("skippedRuns"), facts.skippedRuns}};
}

}  // namespace

QByteArray StateJson(const WindowSnapshot& window, const std::vector<OpenMessage>& messages,
                     const DemoRunFacts& facts) {
  QJsonObject labels, buttons, edits, groups, combos, lists, pictures, timers, visible;
  int currentPage = -1;
  for (const ControlSnapshot& control : window.controls) {
    const QString name = toQString(control.name);
    visible.insert(name, control.visible);
    switch (control.kind) {
      case ControlKind::Label:
      case ControlKind::TransLabel:
        labels.insert(name, toQString(control.caption));
        break;
      case ControlKind::Button:
        buttons.insert(name, toQString(control.caption));
        break;
      case ControlKind::EditBox:
        edits.insert(name, toQString(control.caption));
        break;
      case ControlKind::GroupBox:
        groups.insert(name, toQString(control.caption));
        break;
      case ControlKind::ComboBox:
        combos.insert(name, QJsonObject{{QStringLiteral("index"), control.currentIndex},
                                        {QStringLiteral("text"), toQString(control.currentText)}});
        break;
      case ControlKind::ListView:
        lists.insert(name, List(control));
        break;
      case ControlKind::PicBox:
        pictures.insert(name, Picture(control));
        break;
      case ControlKind::Timer:
        timers.insert(name, control.interval);
        break;
      case ControlKind::PageControl:
        currentPage = control.currentPage;
        break;
      default:
        break;
    }
  }
  QJsonArray boxes;
  for (const OpenMessage& message : messages)
    boxes.append(QJsonObject{{QStringLiteral("title"), toQString(message.title)},
                             {QStringLiteral("text"), toQString(message.text)}});
  QJsonObject root{{QStringLiteral("window"), toQString(window.name)},
                   {QStringLiteral("title"), toQString(window.title)},
                   {QStringLiteral("open"), window.open},
                   {QStringLiteral("currentPage"), currentPage},
                   {QStringLiteral("labels"), labels},
                   {QStringLiteral("buttons"), buttons},
                   {QStringLiteral("edits"), edits},
                   {QStringLiteral("groups"), groups},
                   {QStringLiteral("combos"), combos},
                   {QStringLiteral("lists"), lists},
                   {QStringLiteral("pictures"), pictures},
                   {QStringLiteral("timers"), timers},
                   {QStringLiteral("visible"), visible},
                   {QStringLiteral("messageBoxes"), boxes},
                   {QStringLiteral("run"), Facts(facts)}};
  if (facts.linksRecorded)
    root.insert(QStringLiteral("openedLinks"), QJsonArray::fromStringList(facts.openedLinks));
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool WriteStateFile(const QString& path, const QByteArray& json) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(json) == json.size();
}

}  // namespace om
