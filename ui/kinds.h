#pragma once

#include <memory>

#include "ui/control.h"

class QWidget;

namespace om {

class Form;

// Makes the control of a record: its widget, created inside `parent`, with the record's kind
// properties applied. Position, visibility and stacking are the caller's.
std::unique_ptr<Control> MakeControl(Form& form, QWidget* parent, const ControlRecord& record);

// One maker per kind, each in the kind's own file.
std::unique_ptr<Control> MakeEditBox(Form&, QWidget*, const ControlRecord&, const EditBoxProps&);
std::unique_ptr<Control> MakeLabel(Form&, QWidget*, const ControlRecord&, const LabelProps&);
std::unique_ptr<Control> MakeTransLabel(Form&, QWidget*, const ControlRecord&,
                                        const TransLabelProps&);
std::unique_ptr<Control> MakeButton(Form&, QWidget*, const ControlRecord&, const ButtonProps&);
std::unique_ptr<Control> MakeComboBox(Form&, QWidget*, const ControlRecord&, const ComboBoxProps&);
std::unique_ptr<Control> MakePicBox(Form&, QWidget*, const ControlRecord&, const PicBoxProps&);
std::unique_ptr<Control> MakeShapeBox(Form&, QWidget*, const ControlRecord&, const ShapeBoxProps&);
std::unique_ptr<Control> MakeGroupBox(Form&, QWidget*, const ControlRecord&, const GroupBoxProps&);
std::unique_ptr<Control> MakeTimer(Form&, QWidget*, const ControlRecord&, const TimerProps&);
std::unique_ptr<Control> MakeListView(Form&, QWidget*, const ControlRecord&, const ListViewProps&);
std::unique_ptr<Control> MakePageControl(Form&, QWidget*, const ControlRecord&,
                                         const PageControlProps&);
std::unique_ptr<Control> MakeSplitterBar(Form&, QWidget*, const ControlRecord&,
                                         const SplitterBarProps&);

}  // namespace om
