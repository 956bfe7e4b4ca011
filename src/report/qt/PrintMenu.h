// The main window's menu item "Печать": opens the preview of the report.
#pragma once

namespace kalteron::qt {
class BalWindow;
}

namespace kalteron {

// Enables the item and makes it show the preview frame of this window; the
// frame and its page are closed with the window.
void wirePrintMenu(qt::BalWindow& window);

}  // namespace kalteron
