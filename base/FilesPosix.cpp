#include "base/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace dravino {

namespace {
class FileText
{
    Q_DECLARE_TR_FUNCTIONS(dravino::PrivateFile)
};

FileResult resultOf(int err)
{
    if (err == 0)
        return {};
    if (err == EEXIST)
        return {FileResult::Taken, systemWords(err)};
    return FileResult::failed(systemWords(err));
}
} // namespace

// The file, open: unnamed (O_TMPFILE) and linked to its name through
// /proc/self/fd, or where the file system has no unnamed files a hidden
// one created O_EXCL, renamed without replacing (renameat2), linked, or
// (a FAT stick) its name claimed with an empty file it then replaces.
struct PendingFile::Half
{
public:
    explicit Half(QString folder) : m_folder(std::move(folder)) {}
    ~Half()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_hidden.isEmpty())
            ::unlink(QFile::encodeName(m_hidden).constData());
    }
    Half(const Half &) = delete;
    Half &operator=(const Half &) = delete;

    // The file made in the folder, every byte written and on the disk:
    // errno on failure, 0 on success.
    int write(const QByteArray &data)
    {
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


PendingFile::PendingFile(const QString &folder) : m_half(std::make_unique<Half>(folder)) {}
PendingFile::~PendingFile() = default;
FileResult PendingFile::write(const QByteArray &data) { return resultOf(m_half->write(data)); }
FileResult PendingFile::name(const QString &target) { return resultOf(m_half->name(target)); }
FileResult PendingFile::replace(const QString &target)
{
    const int err = m_half->replace(target);
    // Out of hidden names is no name taken.
    return err == EEXIST ? FileResult::failed(systemWords(err)) : resultOf(err);
}

QString createPrivateFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    switch (errno) {
    case EEXIST:
        return {};
    case ENOSPC:
    case EDQUOT:
        return FileText::tr("il disco è pieno");
    case EACCES:
    case EPERM:
    case EROFS:
        return FileText::tr("la cartella non si può scrivere");
    default:
        return QString::fromLocal8Bit(std::strerror(errno));
    }
}

} // namespace dravino
