#pragma once
// The program's files written in one place: a file written whole before it
// has a name, named without ever replacing what stands there (a file, a
// folder, a dangling link) or replacing it only once whole, and the files a
// workshop keeps to itself, made for the user alone from their first byte.
// One half on POSIX's own calls (an unnamed file, links, renaming without
// replacing); a portable half on Qt's files (Windows), which a build takes
// with DRAVINO_PORTABLE_FILES.

#include <QByteArray>
#include <QString>
#include <cstring>
#include <memory>

namespace dravino {

// What became of a file: done, its name taken, or why not in the system's
// words.
struct FileResult {
    enum Kind { Done, Taken, Failed } kind = Done;
    QString why;
    bool done() const { return kind == Done; }
    static FileResult failed(const QString &why) { return {Failed, why}; }
};

// The system's words for an errno value (ENOENT, ENOSPC, ...).
inline QString systemWords(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A file in folder that gets its name only when it is complete; one never
// named leaves nothing behind.
class PendingFile
{
public:
    explicit PendingFile(const QString &folder);
    ~PendingFile();
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    // The file made in the folder, every byte written and on the disk.
    FileResult write(const QByteArray &data);
    // The name target, unless something stands there (Taken).
    FileResult name(const QString &target);
    // The name target, in place of what stands there.
    FileResult replace(const QString &target);

    struct Half;

private:
    std::unique_ptr<Half> m_half;
};

// Makes path for its user alone (mode 0600) where nothing stands there;
// empty when it is there now, else why not, in words ("il disco è pieno").
QString createPrivateFile(const QString &path);

} // namespace dravino
