#include "report/qt/PrintMenu.h"

#include <QAction>

#include "mainwindow/qt/BalWindow.h"
#include "report/qt/MDIPrint.h"

namespace kalteron {

void wirePrintMenu(qt::BalWindow& window) {
  QAction* item = window.printAction();
  item->setEnabled(true);
  QObject::connect(item, &QAction::triggered, &window, [&window] {
    MDIPrint* frame = openPreview(window.bal(), &window);
    window.registerWindow("MDIPrint", frame);
    window.registerWindow("FormPrint", frame->page());
  });
}

}  // namespace kalteron
