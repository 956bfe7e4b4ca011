// The terms-of-use window. Loading it fills the text box and writes the same
// text to License.txt next to the program.
#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace kalteron::qt {

class License : public QWidget {
  Q_OBJECT
 public:
  // `filePath` empty: License.txt in the program's folder.
  explicit License(QWidget* parent = nullptr, const QString& filePath = {});

  QString filePath() const { return filePath_; }
  // Whether the load step managed to write the file.
  bool fileWritten() const { return written_; }

  QPlainTextEdit* Text1 = nullptr;
  QPushButton* Command1 = nullptr;

 private:
  QString filePath_;
  bool written_ = false;
};

}  // namespace kalteron::qt
