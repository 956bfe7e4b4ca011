#include "mainwindow/qt/Application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QStyleOption>
#include <QStyleFactory>
#include <QTranslator>

namespace kalteron::qt {

namespace {

// Fusion, with the menu-bar item that the keyboard (Alt, then the arrows) or
// the mouse is on highlighted: Fusion marks only an item whose menu is open,
// and these items have none, so a user without a mouse saw no trace of where
// he was.
class Style : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarItem && item != nullptr && (item->state & State_Selected)) {
      QStyleOptionMenuItem shown = *item;
      shown.state |= State_Sunken;
      QProxyStyle::drawControl(element, &shown, painter, widget);
      return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
  }
  // A pick list's text may run two pixels further right, into the empty
  // margin before the arrow: the insulation boxes of the enclosure page then
  // show their longest material whole at their fixed width.
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override {
    QRect r = QProxyStyle::subControlRect(control, option, sub, widget);
    const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control == CC_ComboBox && sub == SC_ComboBoxEditField && box != nullptr && !box->editable)
      r.adjust(0, 0, 2, 0);
    return r;
  }
};

}  // namespace

void setUpApplication(QApplication& app) {
  app.setApplicationName(QStringLiteral("Kalteron"));
  app.setApplicationDisplayName(QString());
  // Standard buttons read "Да", "Нет", "Отмена".
  auto* qtbase = new QTranslator(&app);
  if (qtbase->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(qtbase);
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(new Style(fusion));
  // The layout is measured in pixels for an 11-pixel sans-serif font.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  QApplication::setFont(font);
}

}  // namespace kalteron::qt
