#include "ui/Language.h"
#include "ui/frmDravino.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravino"));
    dravino::installQtTranslations(QLocale(QLocale::Italian, QLocale::Italy));
    frmDravino window;
    window.show();
    return QApplication::exec();
}
