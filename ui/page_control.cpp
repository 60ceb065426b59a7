#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QWidget>

#include "data/qt_text.h"
#include "ui/kinds.h"
#include "ui/look.h"

namespace om {

namespace {

// Tabs exactly as high as the header.
class HeaderTabBar : public QTabBar {
 public:
  HeaderTabBar(int height, QWidget* parent) : QTabBar(parent), height_(height) {}

 protected:
  QSize tabSizeHint(int index) const override {
    QSize size = QTabBar::tabSizeHint(index);
    size.setHeight(height_);
    return size;
  }

 private:
  int height_;
};

// The page control's own widget: the tab header along the top and the pages below it, inside
// the frame of the page area.
class PagesWidget : public QWidget {
 public:
  PagesWidget(QWidget* parent, int headerHeight) : QWidget(parent), header_(headerHeight) {}

  QTabBar* tabs = nullptr;
  std::vector<QWidget*> pages;

 protected:
  void resizeEvent(QResizeEvent*) override {
    if (tabs) tabs->setGeometry(0, 0, width(), header_);
    for (QWidget* page : pages) page->setGeometry(0, header_, width(), height() - header_);
  }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, header_, width(), height() - header_);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.shape = QTabBar::RoundedNorth;
    if (tabs) frame.tabBarSize = tabs->sizeHint();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
  }

 private:
  int header_;
};

QString TabText(const Text& caption) {
  return toQString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// A tab control: only the children of the current page are shown. Children are placed in the
// control's coordinates, header included.
class PageControl : public Control {
 public:
  PageControl(Form& form, QWidget* parent, const ControlRecord& record,
              const PageControlProps& props)
      : Control(form, record, nullptr) {
    const QFont captionFont = ToQFont(props.captionFont);
    header_ = std::max(props.headerHeight, captionFont.pixelSize());
    pages_ = new PagesWidget(parent, header_);
    setWidget(pages_);
    auto* tabs = new HeaderTabBar(header_, pages_);
    tabs->setFont(captionFont);
    tabs->setExpanding(false);
    tabs->setDrawBase(false);
    tabs->setUsesScrollButtons(true);
    tabs->setFocusPolicy(record.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    pages_->tabs = tabs;
    for (size_t i = 0; i < props.pages.size(); ++i) {
      tabs->addTab(TabText(props.pages[i]));
      auto* page = new QWidget(pages_);
      page->setObjectName(toQString(record.name) + QStringLiteral("#page%1").arg(i));
      page->hide();
      pages_->pages.push_back(page);
    }
    current_ = -1;
    showPage(props.currentPage);
    quiet_ = true;
    tabs->setCurrentIndex(current_);
    quiet_ = false;
    QObject::connect(tabs, &QTabBar::currentChanged, tabs, [this](int index) {
      if (quiet_) return;
      showPage(index);
      raise(Event::PageChanged);
    });
  }

  QWidget* childArea(int page) override {
    if (page < 0 || page >= static_cast<int>(pages_->pages.size())) return pages_;
    return pages_->pages[static_cast<size_t>(page)];
  }
  QPoint childOrigin(int page) const override {
    if (page < 0 || page >= static_cast<int>(pages_->pages.size())) return {};
    return QPoint(0, -header_);
  }
  std::vector<QWidget*> inputWidgets() const override { return {pages_->tabs}; }

  void setCurrentPage(int page) override {
    if (page < 0 || page >= static_cast<int>(pages_->pages.size()) || page == current_) return;
    quiet_ = true;
    pages_->tabs->setCurrentIndex(page);
    quiet_ = false;
    showPage(page);
  }
  int currentPage() const override { return current_; }

 private:
  // Hides the old page's children and shows the new page's.
  void showPage(int page) {
    const int count = static_cast<int>(pages_->pages.size());
    if (page < 0 || page >= count) page = count > 0 ? 0 : -1;
    if (current_ >= 0 && current_ < count) pages_->pages[static_cast<size_t>(current_)]->hide();
    current_ = page;
    if (current_ >= 0) pages_->pages[static_cast<size_t>(current_)]->show();
  }

  PagesWidget* pages_ = nullptr;
  int header_ = 20;
  int current_ = -1;
  bool quiet_ = false;
};

}  // namespace

std::unique_ptr<Control> MakePageControl(Form& form, QWidget* parent, const ControlRecord& record,
                                         const PageControlProps& props) {
  return std::make_unique<PageControl>(form, parent, record, props);
}

}  // namespace om
