#pragma once
// A module of the program's own (the meters', the printing system's),
// loaded on the thread that first needs it and never unloaded: from
// DRAVINO_<NAME>_MODULE where it is set (a packager's, a test's), else
// installed beside the program's libraries, else where the build tree
// made it.

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace dravino {

// Loads library from the first of the places that holds it; false and why
// (the loader's words) where none could be loaded, why empty where none
// holds it.
inline bool loadModule(QLibrary &library, const char *variable, const QString &installed, const QString &built,
                       QString &why)
{
    const QString chosen = qEnvironmentVariable(variable);
    const QStringList candidates = !chosen.isEmpty()
        ? QStringList{chosen}
        : QStringList{QCoreApplication::applicationDirPath() + QLatin1Char('/') + installed, built};
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        library.setFileName(path);
        if (library.load())
            return true;
        why = library.errorString();
    }
    return false;
}

} // namespace dravino
