#include "base/PrivateFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace dravino {

namespace {
class FileText
{
    Q_DECLARE_TR_FUNCTIONS(dravino::PrivateFile)
};
} // namespace

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
