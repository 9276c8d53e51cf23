#include "app/CommandLine.h"
#include "ui/Language.h"
#include "ui/frmDravino.h"
#include "ui/printjob/PrintJob.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

namespace {

// --version, --help and a language Dravino does not have: said without a
// window, in the desktop's language (or the one asked for).
int answerCommandLine(int argc, char *argv[], const dravino::CommandLine &line)
{
    QCoreApplication core(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    dravino::applyLanguage(dravino::chooseLanguage(arguments, QLocale::system().uiLanguages()));
    switch (line.action) {
    case dravino::CommandLine::Version:
        std::printf("Dravino %s\n", DRAVINO_VERSION);
        return 0;
    case dravino::CommandLine::Help:
        std::fputs(qPrintable(dravino::usageText()), stdout);
        return 0;
    case dravino::CommandLine::UnknownLanguage:
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("dravino::CommandLine",
                                                            "dravino: lingua sconosciuta: '%1' (si può scegliere it o en)")
                                    .arg(line.language)));
        return 2;
    case dravino::CommandLine::Run:
        break;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto line = dravino::readCommandLine(arguments); line.action != dravino::CommandLine::Run)
        return answerCommandLine(argc, argv, line);

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
    // A print server may still hold a page's thread: it gives up at once;
    // the program does not wait longer than a second for it.
    if (!dravino::endPrintJobs(1000)) {
        std::fflush(nullptr);
        std::_Exit(rc);
    }
    return rc;
}
