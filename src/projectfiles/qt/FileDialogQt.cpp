#include "projectfiles/qt/FileDialogQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace kalteron {

QStringList qtNameFilters(const std::string& filterBlock) {
  QStringList out;
  for (const std::string& f : nameFilters(filterBlock)) out << QString::fromStdString(f);
  return out;
}

std::string FileDialogQt::show(const FileDialogRequest& request) {
  QCoreApplication::processEvents();
  // The start folder is used when it is a folder of this system; otherwise
  // the dialog starts in the user's home folder.
  const QString start = QString::fromStdString(request.startFolder);
  const QFileInfo info(start);
  const QString folder = info.isAbsolute() && info.isDir() ? start : QDir::homePath();

  QFileDialog dialog(owner_, QString::fromStdString(request.title), folder);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  const QStringList filters = qtNameFilters(request.filterBlock);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (request.save && !request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return {};
  return chosen.first().toStdString();
}

}  // namespace kalteron
