#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolTip>

#include "data/qt_text.h"
#include "ui/kinds.h"
#include "ui/look.h"

namespace om {

namespace {

Qt::Alignment ColumnAlign(int align) {
  return ToQtAlign(align, kAlignMiddle);
}

// Paints cells (a selected row is highlighted in its first column only unless full-row
// selection is on) and shows a cell's full text as a tooltip when the cell cuts it off.
class CellDelegate : public QStyledItemDelegate {
 public:
  CellDelegate(bool fullRow, QObject* parent) : QStyledItemDelegate(parent), fullRow_(fullRow) {}

  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override {
    if (event->type() != QEvent::ToolTip) {
      return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    if (index.isValid() && IsCutOff(item, view)) {
      QToolTip::showText(event->globalPos(), item.text, view, option.rect);
    } else {
      QToolTip::hideText();
    }
    return true;
  }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!fullRow_ && index.column() > 0) option->state &= ~QStyle::State_Selected;
    option->state &= ~QStyle::State_HasFocus;
  }

 private:
  static bool IsCutOff(const QStyleOptionViewItem& item, const QWidget* view) {
    if (item.text.isEmpty()) return false;
    const QStyle* style = view->style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return item.fontMetrics.horizontalAdvance(item.text) > textRect.width() - 2 * margin;
  }

  bool fullRow_;
};

// Raises the list's Clicked and RightClicked when a button is released over its rows.
class ClickWatcher : public QObject {
 public:
  ClickWatcher(Control& control, QObject* parent) : QObject(parent), control_(control) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) control_.raise(Event::Clicked);
      if (mouse->button() == Qt::RightButton) control_.raise(Event::RightClicked);
    }
    return false;
  }

 private:
  Control& control_;
};

// A list in report view: rows of text cells under a header of columns.
class ListView : public Control {
 public:
  ListView(Form& form, QWidget* parent, const ControlRecord& record, const ListViewProps& props)
      : Control(form, record, new QTableWidget(parent)), props_(props) {
    QTableWidget* t = table();
    ApplyBorder(t, props.borderStyle);
    t->setFont(ToQFont(props.font));
    t->setFocusPolicy(record.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(props.singleSelection ? QAbstractItemView::SingleSelection
                                              : QAbstractItemView::ExtendedSelection);
    t->setShowGrid(props.gridLines);
    t->setWordWrap(false);
    t->setCornerButtonEnabled(false);
    t->verticalHeader()->hide();
    t->setItemDelegate(new CellDelegate(props.fullRowSelect, t));
    t->setIconSize(QSize(16, 16));
    const int rowHeight =
        std::max(t->fontMetrics().height() + 4, props.smallImages.empty() ? 0 : 18);
    t->verticalHeader()->setMinimumSectionSize(1);
    t->verticalHeader()->setDefaultSectionSize(rowHeight);
    setUpColumns();
    for (const ImageBytes& data : props.smallImages) {
      images_.push_back(QIcon(QPixmap::fromImage(DecodePicture(data))));
    }
    applyColours();
    connectEvents();
    t->viewport()->installEventFilter(new ClickWatcher(*this, t));
  }

  std::vector<QWidget*> inputWidgets() const override { return {table()->viewport()}; }

  Colour textColour() const override { return props_.textColour; }
  void setTextColour(Colour colour) override {
    props_.textColour = colour;
    applyColours();
  }
  Colour backColour() const override { return props_.listBackground; }
  void setBackColour(Colour colour) override {
    props_.listBackground = colour;
    applyColours();
  }

  void addRow(std::vector<Text> cells) override {
    QTableWidget* t = table();
    const int row = t->rowCount();
    t->insertRow(row);
    for (int column = 0; column < t->columnCount(); ++column) {
      const size_t at = static_cast<size_t>(column);
      t->setItem(row, column, makeItem(column, at < cells.size() ? cells[at] : Text()));
    }
  }
  void setCell(int row, int column, const Text& text) override {
    if (QTableWidgetItem* item = cell(row, column)) item->setText(toQString(text));
  }
  void setRowImage(int row, int imageIndex) override {
    QTableWidgetItem* item = cell(row, 0);
    if (!item) return;
    const bool known = imageIndex >= 0 && imageIndex < static_cast<int>(images_.size());
    item->setIcon(known ? images_[static_cast<size_t>(imageIndex)] : QIcon());
  }
  void clearRows() override { table()->setRowCount(0); }
  int rowCount() const override { return table()->rowCount(); }
  int focusedRow() const override { return table()->currentRow(); }
  Text cellText(int row, int column) const override {
    const QTableWidgetItem* item = cell(row, column);
    return item ? fromQString(item->text()) : Text();
  }

 private:
  QTableWidget* table() const { return static_cast<QTableWidget*>(widget()); }
  QTableWidgetItem* cell(int row, int column) const {
    QTableWidget* t = table();
    if (row < 0 || column < 0 || row >= t->rowCount() || column >= t->columnCount()) {
      return nullptr;
    }
    return t->item(row, column);
  }

  QTableWidgetItem* makeItem(int column, const Text& text) const {
    auto* item = new QTableWidgetItem(toQString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(ColumnAlign(props_.columns[static_cast<size_t>(column)].align));
    if (props_.textBackground != props_.listBackground) {
      item->setBackground(ToQColor(props_.textBackground, Qt::white));
    }
    return item;
  }

  void setUpColumns() {
    QTableWidget* t = table();
    t->setColumnCount(static_cast<int>(props_.columns.size()));
    for (size_t i = 0; i < props_.columns.size(); ++i) {
      const ListColumn& column = props_.columns[i];
      auto* header = new QTableWidgetItem(toQString(column.caption));
      header->setTextAlignment(ColumnAlign(column.align));
      t->setHorizontalHeaderItem(static_cast<int>(i), header);
      t->setColumnWidth(static_cast<int>(i), column.width);
    }
    QHeaderView* header = t->horizontalHeader();
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    header->setSectionsClickable(props_.clickableHeader);
    header->setSectionResizeMode(QHeaderView::Interactive);
  }

  void applyColours() {
    QPalette palette = table()->palette();
    palette.setColor(QPalette::Text, ToQColor(props_.textColour, Qt::black));
    palette.setColor(QPalette::Base, ToQColor(props_.listBackground, Qt::white));
    table()->setPalette(palette);
  }

  void connectEvents() {
    QTableWidget* t = table();
    QObject::connect(t->selectionModel(), &QItemSelectionModel::currentRowChanged, t,
                     [this](const QModelIndex& now, const QModelIndex& before) {
                       if (now.row() != before.row()) raise(Event::CurrentItemChanged);
                     });
    QObject::connect(t, &QAbstractItemView::activated, t,
                     [this](const QModelIndex&) { raise(Event::ItemActivated); });
    QObject::connect(t->horizontalHeader(), &QHeaderView::sectionClicked, t, [this](int column) {
      if (!props_.clickableHeader) return;
      EventArgs args;
      args.column = column;
      raise(Event::ColumnClicked, args);
    });
  }

  ListViewProps props_;
  std::vector<QIcon> images_;
};

}  // namespace

std::unique_ptr<Control> MakeListView(Form& form, QWidget* parent, const ControlRecord& record,
                                      const ListViewProps& props) {
  return std::make_unique<ListView>(form, parent, record, props);
}

}  // namespace om
