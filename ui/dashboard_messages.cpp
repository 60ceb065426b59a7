#include "ui/dashboard_messages.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QThread>
#include <QWidget>

#include "data/qt_text.h"

namespace om {
namespace {

// Lives on the window thread only: every touch happens there.
std::vector<QPointer<QMessageBox>>& Registry() {
  static std::vector<QPointer<QMessageBox>> boxes;
  return boxes;
}

void Forget(const QMessageBox* box) {
  std::erase_if(Registry(), [box](const QPointer<QMessageBox>& p) { return !p || p == box; });
}

void OpenBox(const WindowRef& owner, const Text& message) {
  auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("提示"), toQString(message),
                              QMessageBox::Ok, owner.widget());
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->setWindowModality(Qt::NonModal);
  QObject::connect(box, &QObject::destroyed, [box] { Forget(box); });
  Registry().emplace_back(box);
  box->show();
}

}  // namespace

void ShowDashboardMessage(const WindowRef& owner, const Text& message) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;
  if (QThread::currentThread() == app->thread()) {
    OpenBox(owner, message);
    return;
  }
  QMetaObject::invokeMethod(
      app, [owner, message] { OpenBox(owner, message); }, Qt::QueuedConnection);
}

std::vector<OpenMessage> OpenDashboardMessages() {
  std::vector<OpenMessage> open;
  for (const QPointer<QMessageBox>& box : Registry()) {
    if (!box) continue;
    open.push_back({fromQString(box->windowTitle()), fromQString(box->text())});
  }
  return open;
}

}  // namespace om
