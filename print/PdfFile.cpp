#include "print/PdfFile.h"

#include "base/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QDateTime>
#include <QStandardPaths>

#include <cerrno>

namespace dravino
{

namespace
{

QString failure(const QString &kind, const char *what, const QString &path, const QString &why)
{
    return QCoreApplication::translate("PdfFile", what).arg(kind, QDir::toNativeSeparators(path), why);
}

QString failure(const QString &kind, const char *what, const QString &path, int err)
{
    return failure(kind, what, path, systemWords(err));
}

const char *const kCannotWriteIn = QT_TRANSLATE_NOOP("PdfFile", "Impossibile scrivere il file %1 nella cartella %2: %3.");
const char *const kCannotWrite = QT_TRANSLATE_NOOP("PdfFile", "Impossibile scrivere il file %1 %2: %3.");
const char *const kIncomplete = QT_TRANSLATE_NOOP("PdfFile", "Il file %1 è incompleto %2: %3.");
const char *const kCannotSave = QT_TRANSLATE_NOOP("PdfFile", "Impossibile salvare il file %1 %2: %3.");
const char *const kCannotSaveIn = QT_TRANSLATE_NOOP("PdfFile", "Impossibile salvare il file %1 nella cartella %2: %3.");

bool usableFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isAbsolute() && info.isDir() && path != QLatin1String("/");
}

// What a save killed half-way left in folder under Dravino's own hidden
// names (.Dravino-1a2b3c4d.part, .Name.pdf.1a2b3c4d.part): gone at the next
// save there, once old enough that no other window can still be writing it.
void sweepLeftovers(const QString &folder)
{
    static const QRegularExpression ours(QStringLiteral("^\\.(Dravino-|.+\\.)[0-9a-f]{8}\\.part$"));
    const QDateTime stale = QDateTime::currentDateTime().addSecs(-600);
    const QFileInfoList hidden = QDir(folder).entryInfoList({QStringLiteral(".*.part")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &f : hidden)
        if (ours.match(f.fileName()).hasMatch() && !f.isSymLink() && f.lastModified() < stale)
            QFile::remove(f.filePath());
}

} // namespace

QString pdfFolder()
{
    // Without HOME Qt makes "/Documents" or "//Documents" of it: no such
    // folder is the user's.
    if (qEnvironmentVariableIsEmpty("HOME"))
        return {};
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (usableFolder(documents))
        return QDir::cleanPath(documents);
    const QString home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    if (usableFolder(home))
        return QDir::cleanPath(home);
    return {};
}

bool isCompletePdf(const QByteArray &data)
{
    return data.size() >= 64 && data.startsWith("%PDF-") && data.right(32).trimmed().endsWith("%%EOF");
}

bool isCompletePdf(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 64)
        return false;
    const QByteArray head = f.read(5);
    f.seek(f.size() - 32);
    return head.startsWith("%PDF-") && f.read(32).trimmed().endsWith("%%EOF");
}

WrittenFile writeNewFile(const QByteArray &data, const QString &folder, const std::function<QString(int)> &nameFor,
                         const QString &kind)
{
    if (!QFileInfo(folder).isDir())
        return {{}, failure(kind, kCannotWriteIn, folder, ENOENT)};
    sweepLeftovers(folder);
    PendingFile file(folder);
    if (const FileResult written = file.write(data); !written.done())
        return {{}, failure(kind, kCannotWriteIn, folder, written.why)};
    const QDir dir(folder);
    QString name = nameFor(1);
    if (name.isEmpty())
        return {{}, failure(kind, kCannotSaveIn, folder, EINVAL)};
    for (int i = 1;; ++i) {
        const QString target = dir.filePath(name);
        const FileResult named = file.name(target);
        if (named.done())
            return {target, {}};
        name = nameFor(i + 1);
        // Taken, and no other name to try: the last one is named.
        if (named.kind != FileResult::Taken || name.isEmpty())
            return {{}, failure(kind, kCannotSave, target, named.why)};
    }
}

WrittenFile replaceFile(const QByteArray &data, const QString &path, const QString &kind)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        return {{}, failure(kind, kCannotWriteIn, folder, ENOENT)};
    if (kind == QLatin1String("PDF") && !isCompletePdf(data))
        return {{}, failure(kind, kIncomplete, path, ENODATA)};
    sweepLeftovers(folder);
    PendingFile file(folder);
    if (const FileResult written = file.write(data); !written.done())
        return {{}, failure(kind, kCannotWriteIn, folder, written.why)};
    if (QFileInfo(path).isDir())
        return {{}, failure(kind, kCannotSave, path, EISDIR)};
    if (const FileResult replaced = file.replace(path); !replaced.done())
        return {{}, failure(kind, kCannotSave, path, replaced.why)};
    return {path, {}};
}

WrittenFile writePdf(const QByteArray &pdf, const QString &folder, const QString &name)
{
    const QString kind = QStringLiteral("PDF");
    if (!isCompletePdf(pdf))
        return {{}, failure(kind, kIncomplete, folder, ENODATA)};
    return writeNewFile(pdf, folder, [&](int i) -> QString {
        if (!name.isEmpty())
            return i == 1 ? name : QString();
        if (i >= 10000)
            return {};
        return i == 1 ? QStringLiteral("Dravino.pdf") : QStringLiteral("Dravino (%1).pdf").arg(i);
    }, kind);
}

} // namespace dravino
