// What every Kalteron process with windows sets up first: Qt's Russian
// translations, the style and the font the layout is measured for.
#pragma once

class QApplication;

namespace kalteron::qt {

void setUpApplication(QApplication& app);

}  // namespace kalteron::qt
