#include <QApplication>

#include "mainwindow/Bal.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kalteron::Bal bal;
  bal.Form_Load();
  return 0;
}
