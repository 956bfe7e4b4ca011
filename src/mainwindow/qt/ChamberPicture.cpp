#include "mainwindow/qt/ChamberPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace kalteron::qt {

ChamberPicture::ChamberPicture(bool pavilion, QWidget* parent) : QWidget(parent), pavilion_(pavilion) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

// A box in cabinet projection: front face, top and right side, a door in the
// front. The store has solid walls; the pavilion has glazed panes.
void ChamberPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = width(), h = height();
  const qreal d = qMin(w, h) * 0.22;                 // depth offset
  const QRectF front(w * 0.06, h * 0.06 + d, w * 0.88 - d, h * 0.88 - d);
  const QPointF off(d, -d);

  const QColor wall = pavilion_ ? QColor(0xD8, 0xEC, 0xF8) : QColor(0xE6, 0xE1, 0xD6);
  const QColor side = pavilion_ ? QColor(0xB4, 0xD4, 0xEA) : QColor(0xC8, 0xC1, 0xB2);
  const QColor roof = QColor(0xB0, 0xB8, 0xC2);
  const QPen edge(QColor(0x40, 0x48, 0x58), 1.2);

  QPolygonF top{front.topLeft(), front.topLeft() + off, front.topRight() + off, front.topRight()};
  QPolygonF right{front.topRight(), front.topRight() + off, front.bottomRight() + off, front.bottomRight()};
  p.setPen(edge);
  p.setBrush(roof);
  p.drawPolygon(top);
  p.setBrush(side);
  p.drawPolygon(right);
  p.setBrush(wall);
  p.drawRect(front);

  if (pavilion_) {
    // Glazing: mullions across the front and the side.
    p.setPen(QPen(QColor(0x50, 0x70, 0x90), 1));
    const int panes = 4;
    for (int i = 1; i < panes; ++i) {
      const qreal x = front.left() + front.width() * i / panes;
      p.drawLine(QPointF(x, front.top()), QPointF(x, front.bottom()));
    }
    const qreal sill = front.top() + front.height() * 0.7;
    p.drawLine(QPointF(front.left(), sill), QPointF(front.right(), sill));
    for (int i = 1; i < 3; ++i) {
      const QPointF a = front.topRight() + off * (i / 3.0);
      const QPointF b = front.bottomRight() + off * (i / 3.0);
      p.drawLine(a, b);
    }
    // Reflections.
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    p.drawLine(QPointF(front.left() + front.width() * 0.06, front.top() + front.height() * 0.45),
               QPointF(front.left() + front.width() * 0.16, front.top() + front.height() * 0.12));
  } else {
    // Insulated panels: thin vertical joints.
    p.setPen(QPen(QColor(0xA8, 0xA0, 0x90), 1));
    for (int i = 1; i < 6; ++i) {
      const qreal x = front.left() + front.width() * i / 6;
      p.drawLine(QPointF(x, front.top() + 1), QPointF(x, front.bottom() - 1));
    }
  }

  // Door with a handle.
  const QRectF door(front.left() + front.width() * 0.38, front.top() + front.height() * 0.28,
                    front.width() * 0.24, front.height() * 0.72);
  p.setPen(edge);
  p.setBrush(pavilion_ ? QColor(0x9C, 0xC4, 0xE0) : QColor(0x8C, 0x9A, 0xA8));
  p.drawRect(door);
  p.setBrush(QColor(0x30, 0x30, 0x30));
  p.drawEllipse(QPointF(door.right() - door.width() * 0.18, door.center().y()), 1.5, 1.5);

  // A snowflake on the store's door.
  if (!pavilion_) {
    p.setPen(QPen(Qt::white, 1.2));
    const QPointF c(door.center().x(), door.top() + door.height() * 0.28);
    const qreal r = door.width() * 0.28;
    for (int i = 0; i < 3; ++i) {
      QTransform t;
      t.translate(c.x(), c.y());
      t.rotate(60.0 * i);
      p.drawLine(t.map(QPointF(-r, 0)), t.map(QPointF(r, 0)));
    }
  }
}

}  // namespace kalteron::qt
