#include "ui/fatal_box.h"

#include <QMessageBox>

#include "app/fatal.h"
#include "data/qt_text.h"

namespace om {

void InstallFatalMessageBox() {
  SetFatalPresenter([](const Text& caption, const Text& report) {
    QMessageBox box(QMessageBox::Critical, toQString(caption), toQString(report), QMessageBox::Ok);
    box.exec();
  });
}

}  // namespace om
