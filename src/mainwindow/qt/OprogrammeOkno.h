// The About window: the program's name and version, the contact lines, the
// web address that opens in the browser, and the way to the terms of use.
#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace kalteron::qt {

class OprogrammeOkno : public QWidget {
  Q_OBJECT
 public:
  explicit OprogrammeOkno(QWidget* parent = nullptr);

  // Runs when "Лицензия" is pressed; the main window shows the terms of use.
  std::function<void()> onLicense;
  // Opens an address in the default browser; tests replace it. Its result is
  // ignored.
  std::function<void(const QString&)> openUrl;

  QLabel* Label3 = nullptr;
  QLabel* Label5 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void OtkrytSsylku(const QString& address);
};

}  // namespace kalteron::qt
