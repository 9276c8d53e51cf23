#include "ui/Language.h"
#include "ui/frmDravino.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravino"));
    // dravino --lang it|en; otherwise the desktop's preferred language.
    dravino::applyLanguage(dravino::chooseLanguage(QApplication::arguments(), QLocale::system().uiLanguages()));
    frmDravino window;
    window.show();
    return QApplication::exec();
}
