#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace dravino {

CommandLine readCommandLine(const QStringList &arguments)
{
    // Qt's own options (-platform xcb, -style fusion, -reverse) are read as
    // the long options they are and left to Qt; so are their values.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption lang(QStringLiteral("lang"), {}, QStringLiteral("it|en"));
    parser.addOptions({version, help, lang});
    // A --lang without its language is no language Dravino has.
    if (!parser.parse(arguments) && parser.optionNames().contains(QLatin1String("lang")) && parser.values(lang).isEmpty())
        return {CommandLine::UnknownLanguage, {}};
    // --version and --help answer as the first of them is given.
    for (const QString &name : parser.optionNames()) {
        if (name == QLatin1String("v") || name == QLatin1String("version"))
            return {CommandLine::Version, {}};
        if (name == QLatin1String("h") || name == QLatin1String("help"))
            return {CommandLine::Help, {}};
    }
    for (const QString &value : parser.values(lang))
        if (value != QLatin1String("it") && value != QLatin1String("en"))
            return {CommandLine::UnknownLanguage, value};
    return {};
}

QString usageText()
{
    return QCoreApplication::translate("dravino::CommandLine",
                                       "Uso: dravino [--lang it|en]\n"
                                       "Calcolatore per i sensori di pressione rail dei sistemi common-rail.\n"
                                       "\n"
                                       "  --lang it|en   la lingua della finestra (altrimenti quella del desktop)\n"
                                       "  --version      mostra la versione ed esce\n"
                                       "  --help         mostra questo aiuto ed esce\n");
}

} // namespace dravino
