#include "ui/Language.h"
#include "ui/frmDravino.h"

#include "ui/printjob/PrintJob.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravino"));
    QApplication::setApplicationVersion(QStringLiteral(DRAVINO_VERSION));
    // The desktop (Wayland above all) matches the window to its entry and icon by it.
    QApplication::setDesktopFileName(QStringLiteral("dravino"));
    // dravino --lang it|en; otherwise the desktop's preferred language.
    dravino::applyLanguage(dravino::chooseLanguage(QApplication::arguments(), QLocale::system().uiLanguages()));
    int rc = 0;
    {
        frmDravino window;
        window.show();
        rc = QApplication::exec();
    }
    // A print server may still hold a page's thread: it gives up within a
    // quarter of a second; the program does not wait longer for it.
    if (!dravino::endPrintJobs(1000)) {
        std::fflush(nullptr);
        std::_Exit(rc);
    }
    return rc;
}
