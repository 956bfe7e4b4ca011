#include "mainwindow/qt/Application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace kalteron::qt {

void setUpApplication(QApplication& app) {
  app.setApplicationName(QStringLiteral("Kalteron"));
  app.setApplicationDisplayName(QString());
  // Standard buttons read "Да", "Нет", "Отмена".
  auto* qtbase = new QTranslator(&app);
  if (qtbase->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(qtbase);
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
  // The layout is measured in pixels for an 11-pixel sans-serif font.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  QApplication::setFont(font);
}

}  // namespace kalteron::qt
