#pragma once
// Files written so that no page is lost in silence and nothing is
// overwritten or left behind: the data goes into a file of its own in the
// target folder that has no name yet (base/Files.h), every write and the
// sync are checked, a PDF must be complete, and only then does the file
// get the first free name
// (Dravino.pdf, Dravino (2).pdf, ...) without replacing anything that stands
// there: a file, a folder, a dangling link. A program killed meanwhile
// leaves nothing with a name. Every failure says why, with the path.

#include <QByteArray>
#include <QString>
#include <functional>

namespace dravino {

// Where a PDF goes when there is no printer: the documents folder, else the
// home folder; empty when there is neither (no HOME, say).
QString pdfFolder();

// "The file holds a whole PDF": its header and its end-of-file mark.
bool isCompletePdf(const QString &path);
bool isCompletePdf(const QByteArray &data);

struct WrittenFile {
    QString path;  // where the file now is
    QString error; // why it is not there; empty on success
    bool ok() const { return error.isEmpty(); }
};

// data into folder, named nameFor(1), nameFor(2), ... whichever is free
// first (nameFor returning an empty name ends the search). kind words the
// errors ("PDF", "CSV").
WrittenFile writeNewFile(const QByteArray &data, const QString &folder, const std::function<QString(int)> &nameFor,
                         const QString &kind);

// A PDF into folder as Dravino.pdf, Dravino (2).pdf, ...; or as exactly
// name, never over anything that stands there.
WrittenFile writePdf(const QByteArray &pdf, const QString &folder, const QString &name = {});

// data as exactly path, which the user chose and agreed to replace: the
// old file stays whole until the new one is complete and takes its place.
WrittenFile replaceFile(const QByteArray &data, const QString &path, const QString &kind);

} // namespace dravino
