#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "data/qt_text.h"
#include "ui/combo_layout.h"
#include "ui/kinds.h"
#include "ui/look.h"

namespace om {

int DropDownVisibleRows(int designedHeight, int fieldHeight, int rowHeight, int listFrame) {
  const int total = std::max(designedHeight, kDropDownTotalHeight);
  const int room = total - fieldHeight - 2 * listFrame;
  return std::max(1, room / std::max(1, rowHeight));
}

namespace {

// List rows are the font's row height plus the row spacing.
class SpacedRows : public QStyledItemDelegate {
 public:
  SpacedRows(int rowHeight, QObject* parent) : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(rowHeight_);
    return size;
  }

 private:
  int rowHeight_;
};

class ComboBox : public Control {
 public:
  ComboBox(Form& form, QWidget* parent, const ControlRecord& record, const ComboBoxProps& props)
      : Control(form, record, new QComboBox(parent)),
        props_(props),
        textColour_(props.textColour),
        background_(props.background) {
    QComboBox* box = combo();
    box->setFont(ToQFont(props.font));
    // Type 2 shows the selected item only; types 0 and 1 can be typed into.
    box->setEditable(props.type != 2);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setFocusPolicy(record.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    rowHeight_ = box->fontMetrics().height() + props.rowSpacing;
    box->setItemDelegate(new SpacedRows(rowHeight_, box));
    // Some styles open the list as a menu of every item; the list must scroll within its height.
    box->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    std::vector<Text> items = props.items;
    if (props.sorted) {
      std::stable_sort(items.begin(), items.end(),
                       [](const Text& a, const Text& b) { return Text::compare(a, b, false) < 0; });
    }
    for (const Text& item : items) box->addItem(toQString(item));
    box->setCurrentIndex(props.currentIndex);
    applyColours();
    QObject::connect(box, &QComboBox::activated, box, [this](int) { raise(Event::ItemSelected); });
  }

  // The field is one row high whatever the designed height; the rest belongs to the open list.
  void onPlaced() override {
    QComboBox* box = combo();
    const QRect designed = box->geometry();
    const int field = box->sizeHint().height();
    box->setGeometry(designed.x(), designed.y(), designed.width(), field);
    if (props_.type != 0) {
      const int frame = box->view()->frameWidth();
      box->setMaxVisibleItems(DropDownVisibleRows(record().height, field, rowHeight_, frame));
    }
  }

  std::vector<QWidget*> inputWidgets() const override {
    if (QLineEdit* edit = combo()->lineEdit()) return {edit};
    return {};
  }

  Text caption() const override { return fromQString(combo()->currentText()); }
  void setCaption(const Text& text) override {
    if (combo()->isEditable()) combo()->setEditText(toQString(text));
  }
  Colour textColour() const override { return textColour_; }
  void setTextColour(Colour colour) override {
    textColour_ = colour;
    applyColours();
  }
  Colour backColour() const override { return background_; }
  void setBackColour(Colour colour) override {
    background_ = colour;
    applyColours();
  }
  void setCurrentIndex(int index) override {
    combo()->setCurrentIndex(index >= 0 && index < combo()->count() ? index : -1);
  }
  int currentIndex() const override { return combo()->currentIndex(); }
  Text currentText() const override {
    const int index = combo()->currentIndex();
    return index < 0 ? Text() : fromQString(combo()->itemText(index));
  }

 private:
  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
  void applyColours() {
    QPalette palette = combo()->palette();
    const QColor text = ToQColor(textColour_, Qt::black);
    const QColor base = ToQColor(background_, FaceColour());
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Base, base);
    combo()->setPalette(palette);
  }

  ComboBoxProps props_;
  Colour textColour_;
  Colour background_;
  int rowHeight_ = 0;
};

}  // namespace

std::unique_ptr<Control> MakeComboBox(Form& form, QWidget* parent, const ControlRecord& record,
                                      const ComboBoxProps& props) {
  return std::make_unique<ComboBox>(form, parent, record, props);
}

}  // namespace om
