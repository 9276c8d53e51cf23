#pragma once
// Dravino's command line, as Linux programs have it: --version and --help
// print and end; --lang it|en chooses the window's language; anything Qt
// takes (-platform, -style...) is Qt's. Read before any window exists, so
// that --version and --help need no display.

#include <QString>
#include <QStringList>

namespace dravino {

struct CommandLine {
    enum Action { Run, Version, Help, UnknownLanguage } action = Run;
    QString language; // the value given to --lang, when it is no language Dravino has
};

CommandLine readCommandLine(const QStringList &arguments);

// What --help prints, in the language of the texts installed.
QString usageText();

} // namespace dravino
