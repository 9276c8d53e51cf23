#include "print/PdfFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
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

// rename that fails with EEXIST rather than replace, and never follows a
// link at the new name; link + unlink where the file system has no
// renameat2 flags.
int renameNoReplace(const QByteArray &from, const QByteArray &to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
#endif
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    ::unlink(from.constData());
    return 0;
}

bool usableFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isAbsolute() && info.isDir() && path != QLatin1String("/");
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

bool isCompletePdf(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 64)
        return false;
    if (!f.read(5).startsWith("%PDF-"))
        return false;
    f.seek(f.size() - 32);
    return f.read(32).trimmed().endsWith("%%EOF");
}

PdfFile::~PdfFile()
{
    discard();
}

bool PdfFile::fail(const QString &what, const QString &path, const QString &reason)
{
    m_error = QStringLiteral("%1 %2: %3.").arg(what, QDir::toNativeSeparators(path), reason);
    discard();
    return false;
}

void PdfFile::discard()
{
    if (!m_owned)
        return;
    m_file.close();
    QFile::remove(m_file.fileName());
    m_owned = false;
}

bool PdfFile::create(const QString &folder)
{
    m_folder = folder;
    if (!QFileInfo(folder).isDir())
        return fail(QCoreApplication::translate("PdfFile", "Impossibile scrivere il file PDF nella cartella"),
                    folder, systemReason(ENOENT));
    // NewOnly is O_EXCL: a name that stands already, a link included, is
    // refused, and another random name is tried.
    int err = EEXIST;
    for (int tries = 0; tries < 100 && err == EEXIST; ++tries) {
        const QString name = QStringLiteral(".Dravino-%1.pdf.part")
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        m_file.setFileName(QDir(folder).filePath(name));
        errno = 0;
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_owned = true;
            return true;
        }
        err = errno ? errno : EIO;
    }
    return fail(QCoreApplication::translate("PdfFile", "Impossibile scrivere il file PDF nella cartella"),
                folder, systemReason(err));
}

bool PdfFile::finish()
{
    const QString path = m_file.fileName();
    bool ok = m_file.error() == QFileDevice::NoError && m_file.flush();
    int err = ok ? 0 : errno;
    if (ok && ::fsync(m_file.handle()) != 0) {
        ok = false;
        err = errno;
    }
    const QString qtReason = m_file.errorString();
    m_file.close();
    if (ok && m_file.error() != QFileDevice::NoError)
        ok = false;
    if (!ok)
        return fail(QCoreApplication::translate("PdfFile", "Impossibile scrivere il file PDF"), path,
                    err ? systemReason(err) : qtReason);
    if (!isCompletePdf(path))
        return fail(QCoreApplication::translate("PdfFile", "Il file PDF è incompleto"), path,
                    systemReason(ENOSPC));
    return true;
}

bool PdfFile::place(const QString &name)
{
    const QByteArray from = QFile::encodeName(m_file.fileName());
    const QDir dir(m_folder);
    for (int i = 1; i < 10000; ++i) {
        const QString target = !name.isEmpty() ? dir.filePath(name)
                               : i == 1        ? dir.filePath(QStringLiteral("Dravino.pdf"))
                                               : dir.filePath(QStringLiteral("Dravino (%1).pdf").arg(i));
        const int err = renameNoReplace(from, QFile::encodeName(target));
        if (err == 0) {
            m_placed = target;
            m_owned = false;
            return true;
        }
        if (err != EEXIST || !name.isEmpty())
            return fail(QCoreApplication::translate("PdfFile", "Impossibile salvare il file PDF"), target,
                        systemReason(err));
    }
    return fail(QCoreApplication::translate("PdfFile", "Impossibile salvare il file PDF nella cartella"),
                m_folder, systemReason(EEXIST));
}

} // namespace dravino
