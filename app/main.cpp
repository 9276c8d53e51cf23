#include "ui/frmDravino.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravino"));
    frmDravino window;
    window.show();
    return QApplication::exec();
}
