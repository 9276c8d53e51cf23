#include "app/CommandLine.h"

#include <QCoreApplication>

namespace dravino {

CommandLine readCommandLine(const QStringList &arguments)
{
    CommandLine out;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--version") || a == QLatin1String("-v"))
            return {CommandLine::Version, {}};
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return {CommandLine::Help, {}};
        QString value;
        if (a == QLatin1String("--lang"))
            value = i + 1 < arguments.size() ? arguments[++i] : QString();
        else if (a.startsWith(QLatin1String("--lang=")))
            value = a.mid(7);
        else
            continue;
        if (value != QLatin1String("it") && value != QLatin1String("en"))
            out = {CommandLine::UnknownLanguage, value};
    }
    return out;
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
