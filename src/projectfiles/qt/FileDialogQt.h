// The file dialogs of the window: Qt's own file dialog, modal to the window,
// starting in the user's home folder.
#pragma once

#include <QStringList>

#include "projectfiles/clsOpenDialog.h"

class QWidget;

namespace kalteron {

// The name filters of a filter block, as the dialog lists them.
QStringList qtNameFilters(const std::string& filterBlock);

class FileDialogQt : public FileDialogHost {
 public:
  explicit FileDialogQt(QWidget* owner) : owner_(owner) {}
  // Lets pending events run once, then shows the dialog. An existing file is
  // overwritten without a question, and a typed name that does not exist is
  // accepted by the open dialog (the reader then refuses it).
  std::string show(const FileDialogRequest& request) override;

 private:
  QWidget* owner_;
};

}  // namespace kalteron
