// A drawing of the chamber: a closed store or a glazed pavilion.
#pragma once

#include <QWidget>

namespace kalteron::qt {

class ChamberPicture : public QWidget {
 public:
  ChamberPicture(bool pavilion, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool pavilion_;
};

}  // namespace kalteron::qt
