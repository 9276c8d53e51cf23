#include "print/PdfFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QDateTime>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace dravino
{

namespace
{

QString systemReason(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

QString failure(const QString &kind, const char *what, const QString &path, int err)
{
    return QCoreApplication::translate("PdfFile", what).arg(kind, QDir::toNativeSeparators(path), systemReason(err));
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

// An open file that gets its name only when it is complete.
class PendingFile
{
public:
    explicit PendingFile(QString folder) : m_folder(std::move(folder)) {}
    ~PendingFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_hidden.isEmpty())
            ::unlink(QFile::encodeName(m_hidden).constData());
    }
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    // The file made in the folder, every byte written and on the disk:
    // errno on failure, 0 on success.
    int write(const QByteArray &data)
    {
        sweepLeftovers(m_folder);
        if (const int err = open())
            return err;
        const char *p = data.constData();
        qsizetype left = data.size();
        while (left > 0) {
            const ssize_t n = ::write(m_fd, p, size_t(left));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            p += n;
            left -= n;
        }
        return ::fsync(m_fd) == 0 ? 0 : errno;
    }

    // Gives the file the name target in place of what stands there:
    // through a hidden name of its own, then renamed over the old one.
    int replace(const QString &target)
    {
        const QFileInfo info(target);
        for (int tries = 0; tries < 100; ++tries) {
            const QString hidden = info.dir().filePath(QStringLiteral(".%1.%2.part").arg(info.fileName()).arg(
                QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
            const int err = name(hidden);
            if (err == EEXIST)
                continue;
            if (err != 0)
                return err;
            if (::rename(QFile::encodeName(hidden).constData(), QFile::encodeName(target).constData()) == 0) {
                if (m_hidden == hidden)
                    m_hidden.clear();
                return 0;
            }
            const int failed = errno;
            ::unlink(QFile::encodeName(hidden).constData());
            return failed;
        }
        return EEXIST;
    }

    // Gives the file the name target unless something stands there:
    // errno on failure (EEXIST: taken), 0 on success.
    int name(const QString &target)
    {
        const QByteArray to = QFile::encodeName(target);
        if (m_hidden.isEmpty()) {
            const QByteArray self = QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(m_fd);
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, to.constData(), AT_SYMLINK_FOLLOW) == 0)
                return 0;
            return errno;
        }
        const QByteArray from = QFile::encodeName(m_hidden);
#ifdef RENAME_NOREPLACE
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
            m_hidden.clear();
            return 0;
        }
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
#endif
        if (::link(from.constData(), to.constData()) == 0)
            return 0; // the hidden name goes with this object
        if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
            return errno;
        // No hard links here (a FAT stick): the name is claimed with a new
        // empty file, which the whole one then replaces.
        const int claim = ::open(to.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (claim < 0)
            return errno;
        ::close(claim);
        if (::rename(from.constData(), to.constData()) != 0) {
            const int err = errno;
            ::unlink(to.constData());
            return err;
        }
        m_hidden.clear();
        return 0;
    }

private:
    // errno on failure, 0 on success.
    int open()
    {
        const QByteArray dir = QFile::encodeName(m_folder);
        m_fd = ::open(dir.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (m_fd >= 0)
            return 0;
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return errno;
        // No unnamed files here: a hidden one, created new, never through a link.
        for (int tries = 0; tries < 100; ++tries) {
            const QString name = QStringLiteral(".Dravino-%1.part")
                                     .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
            const QString path = QDir(m_folder).filePath(name);
            m_fd = ::open(QFile::encodeName(path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW,
                          0666);
            if (m_fd >= 0) {
                m_hidden = path;
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    QString m_folder;
    QString m_hidden; // the hidden file's path, where there are no unnamed files
    int m_fd = -1;
};

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
    PendingFile file(folder);
    if (const int err = file.write(data))
        return {{}, failure(kind, kCannotWriteIn, folder, err)};
    const QDir dir(folder);
    QString name = nameFor(1);
    if (name.isEmpty())
        return {{}, failure(kind, kCannotSaveIn, folder, EINVAL)};
    for (int i = 1;; ++i) {
        const QString target = dir.filePath(name);
        const int err = file.name(target);
        if (err == 0)
            return {target, {}};
        name = nameFor(i + 1);
        // Taken, and no other name to try: the last one is named.
        if (err != EEXIST || name.isEmpty())
            return {{}, failure(kind, kCannotSave, target, err)};
    }
}

WrittenFile replaceFile(const QByteArray &data, const QString &path, const QString &kind)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        return {{}, failure(kind, kCannotWriteIn, folder, ENOENT)};
    if (kind == QLatin1String("PDF") && !isCompletePdf(data))
        return {{}, failure(kind, kIncomplete, path, ENODATA)};
    PendingFile file(folder);
    if (const int err = file.write(data))
        return {{}, failure(kind, kCannotWriteIn, folder, err)};
    if (QFileInfo(path).isDir())
        return {{}, failure(kind, kCannotSave, path, EISDIR)};
    if (const int err = file.replace(path))
        return {{}, failure(kind, kCannotSave, path, err)};
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
