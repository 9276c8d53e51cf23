#include "app/CommandLine.h"
#include "ui/Language.h"
#include "ui/frmDravino.h"
#include "base/Workers.h"

#include <QApplication>
#include <QElapsedTimer>
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
    QElapsedTimer closed;
    {
        frmDravino window;
        QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, [&closed] { closed.start(); });
        window.show();
        rc = QApplication::exec();
    }
    // A print server, the archive's server or a meter may still hold a
    // thread: each gives up at once, and the program ends within a second
    // of its window closing, whatever they still wait for.
    constexpr int kEndWithinMs = 900;
    if (!dravino::endWorkers(kEndWithinMs, closed.isValid() ? closed.elapsed() : 0)) {
        std::fflush(nullptr);
        std::_Exit(rc);
    }
    return rc;
}
