// The dashboard program: everything lives in the libraries; this only hands over control.
#include <QApplication>

#include "app/program.h"
#include "ui/dashboard.h"
#include "ui/fatal_box.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  om::InstallFatalMessageBox();
  om::ProgramEntry(om::OpenDashboard);
  om::ShutdownAndExit();
}
