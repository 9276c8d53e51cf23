// The portable half, on Qt's files: a hidden file created new in the
// folder, renamed to its name (Qt's rename never replaces what stands
// there) or over the old file once whole (QSaveFile's commit); private
// files created new with the owner's permissions alone.

#include "base/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace dravino {

namespace {
class FileText
{
    Q_DECLARE_TR_FUNCTIONS(dravino::PrivateFile)
};

bool standsThere(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// A hidden name in folder, from a name of the file's own.
QString hiddenName(const QString &folder, const QString &stem)
{
    return QDir(folder).filePath(
        QStringLiteral(".%1%2.part").arg(stem).arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
}
} // namespace

struct PendingFile::Half {
    QString folder;
    QFile file; // the hidden file, while it has no name of its own
    QByteArray data;
    bool named = false;

    ~Half()
    {
        if (!named && !file.fileName().isEmpty()) {
            file.close();
            file.remove();
        }
    }
};

PendingFile::PendingFile(const QString &folder) : m_half(std::make_unique<Half>())
{
    m_half->folder = folder;
}

PendingFile::~PendingFile() = default;

// Every byte written, then on the disk (QSaveFile's commit syncs) under
// the hidden name claimed for it.
static FileResult saved(const QString &path, const QByteArray &data)
{
    QSaveFile save(path);
    save.setDirectWriteFallback(false);
    if (!save.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileResult::failed(save.errorString());
    // A write cut short says why only when asked to write the rest.
    qint64 written = 0;
    while (written < data.size()) {
        const qint64 n = save.write(data.constData() + written, data.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written != data.size()) {
        const QString why = save.errorString();
        save.cancelWriting();
        return FileResult::failed(why);
    }
    if (!save.commit())
        return FileResult::failed(save.errorString());
    return {};
}

FileResult PendingFile::write(const QByteArray &data)
{
    Half &h = *m_half;
    h.data = data;
    for (int tries = 0; tries < 100 && !h.file.isOpen(); ++tries) {
        h.file.setFileName(hiddenName(h.folder, QStringLiteral("Dravino-")));
        if (!h.file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !standsThere(h.file.fileName())) {
            const QString why = h.file.errorString();
            h.file.setFileName({});
            return FileResult::failed(why);
        }
    }
    if (!h.file.isOpen()) {
        h.file.setFileName({});
        return FileResult::failed(systemWords(EEXIST));
    }
    h.file.close();
    return saved(h.file.fileName(), data);
}

FileResult PendingFile::name(const QString &target)
{
    Half &h = *m_half;
    if (standsThere(target))
        return {FileResult::Taken, systemWords(EEXIST)};
    if (h.file.rename(target)) {
        h.named = true;
        return {};
    }
    // Something came in its way meanwhile.
    if (standsThere(target))
        return {FileResult::Taken, systemWords(EEXIST)};
    return FileResult::failed(h.file.errorString());
}

FileResult PendingFile::replace(const QString &target)
{
    Half &h = *m_half;
    // A link in the way is replaced, not written through.
    if (QFileInfo(target).isSymLink() && !QFile::remove(target))
        return FileResult::failed(systemWords(EACCES));
    return saved(target, h.data);
}

QString createPrivateFile(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return {};
    if (standsThere(path))
        return {};
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (folder.isDir() && !folder.isWritable())
        return FileText::tr("la cartella non si può scrivere");
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return FileText::tr("la cartella non si può scrivere");
    case QFileDevice::ResourceError:
        return FileText::tr("il disco è pieno");
    default:
        return file.errorString();
    }
}

} // namespace dravino
