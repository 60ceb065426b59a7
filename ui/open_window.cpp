#include <QPointer>

#include "ui/description.h"
#include "ui/form.h"

namespace om {

WindowRef OpenWindow(WindowDescription description) {
  auto state = std::make_shared<detail::WindowState>();
  state->name = description.window.name;
  QPointer<Form> form = new Form(std::move(description.window), state);
  form->build(std::move(description.controls));
  form->self().raise(Event::Created);
  if (form && state->open && form->record().visible) form->present();
  return WindowRef(state);
}

}  // namespace om
