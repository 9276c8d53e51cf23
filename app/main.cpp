#include "ui/Language.h"
#include "ui/frmDravino.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravino"));
    QApplication::setApplicationVersion(QStringLiteral(DRAVINO_VERSION));
    // The desktop (Wayland above all) matches the window to its entry and icon by it.
    QApplication::setDesktopFileName(QStringLiteral("dravino"));
    // dravino --lang it|en; otherwise the desktop's preferred language.
    dravino::applyLanguage(dravino::chooseLanguage(QApplication::arguments(), QLocale::system().uiLanguages()));
    frmDravino window;
    window.show();
    return QApplication::exec();
}
