#include <QApplication>

#include "mainwindow/Bal.h"
#include "mainwindow/qt/Application.h"
#include "mainwindow/qt/BalWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kalteron::qt::setUpApplication(app);
  kalteron::Bal bal;
  bal.Form_Load();
  kalteron::qt::BalWindow window(bal);
  window.show();
  return QApplication::exec();
}
