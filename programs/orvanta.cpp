// The dashboard program: everything lives in the libraries; this only hands over control.
#include <QApplication>
#include <QString>
#include <QWidget>

#include "app/program.h"

namespace {

// Stand-in start-up window until the main window description is wired in here.
class StartupWindow : public QWidget {
 public:
  StartupWindow() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("Orvanta-Meridrel  Talvin专版  BY:Korsa"));
    resize(800, 600);
    om::NotifyWindowCreated();
  }
  ~StartupWindow() override { om::NotifyWindowDestroyed(); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  om::ProgramEntry([] {
    (new StartupWindow)->show();
    return true;
  });
  om::ShutdownAndExit();
}
