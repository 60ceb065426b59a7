#include "ui/kinds.h"

namespace om {

ControlKind ControlRecord::kind() const {
  static constexpr ControlKind kKinds[] = {
      ControlKind::EditBox,  ControlKind::Label,       ControlKind::TransLabel,
      ControlKind::Button,   ControlKind::ComboBox,    ControlKind::PicBox,
      ControlKind::ShapeBox, ControlKind::GroupBox,    ControlKind::Timer,
      ControlKind::ListView, ControlKind::PageControl, ControlKind::SplitterBar,
  };
  static_assert(std::size(kKinds) == std::variant_size_v<ControlProps>);
  return kKinds[props.index()];
}

std::unique_ptr<Control> MakeControl(Form& form, QWidget* parent, const ControlRecord& record) {
  return std::visit(
      [&](const auto& props) -> std::unique_ptr<Control> {
        using P = std::decay_t<decltype(props)>;
        if constexpr (std::is_same_v<P, EditBoxProps>)
          return MakeEditBox(form, parent, record, props);
        if constexpr (std::is_same_v<P, LabelProps>) return MakeLabel(form, parent, record, props);
        if constexpr (std::is_same_v<P, TransLabelProps>)
          return MakeTransLabel(form, parent, record, props);
        if constexpr (std::is_same_v<P, ButtonProps>)
          return MakeButton(form, parent, record, props);
        if constexpr (std::is_same_v<P, ComboBoxProps>)
          return MakeComboBox(form, parent, record, props);
        if constexpr (std::is_same_v<P, PicBoxProps>)
          return MakePicBox(form, parent, record, props);
        if constexpr (std::is_same_v<P, ShapeBoxProps>)
          return MakeShapeBox(form, parent, record, props);
        if constexpr (std::is_same_v<P, GroupBoxProps>)
          return MakeGroupBox(form, parent, record, props);
        if constexpr (std::is_same_v<P, TimerProps>) return MakeTimer(form, parent, record, props);
        if constexpr (std::is_same_v<P, ListViewProps>)
          return MakeListView(form, parent, record, props);
        if constexpr (std::is_same_v<P, PageControlProps>)
          return MakePageControl(form, parent, record, props);
        if constexpr (std::is_same_v<P, SplitterBarProps>)
          return MakeSplitterBar(form, parent, record, props);
      },
      record.props);
}

}  // namespace om
