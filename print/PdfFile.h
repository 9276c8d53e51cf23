#pragma once
// A PDF written so that no page is lost in silence and nothing is
// overwritten: the document goes into a hidden file of its own in the
// target folder (created new, never through a link), every write and the
// close are checked, the result must be a complete PDF, and only then is it
// moved to the first free name, Dravino.pdf, Dravino (2).pdf, ..., without
// replacing anything that stands there (a file, a folder, a dangling link).
// Any failure removes the hidden file and says why, with the path.

#include <QFile>
#include <QString>

namespace dravino {

// Where a PDF goes when there is no printer: the documents folder, else the
// home folder; empty when there is neither (no HOME, say).
QString pdfFolder();

// "The file holds a whole PDF": its header and its end-of-file mark.
bool isCompletePdf(const QString &path);

class PdfFile
{
public:
    PdfFile() = default;
    ~PdfFile(); // removes the hidden file when it was not placed
    PdfFile(const PdfFile &) = delete;
    PdfFile &operator=(const PdfFile &) = delete;

    // Creates the hidden file in folder; false (and error()) when it cannot.
    bool create(const QString &folder);
    // The device to write the document into.
    QIODevice *device() { return &m_file; }
    QString hiddenPath() const { return m_file.fileName(); }
    // Checks the writes, closes, checks the PDF; false (and error()) on failure.
    bool finish();
    // Moves the finished file to the first free name in its folder (or to
    // exactly name when given); false (and error()) when it cannot.
    bool place(const QString &name = {});
    QString placedPath() const { return m_placed; }
    QString error() const { return m_error; }

private:
    bool fail(const QString &what, const QString &path, const QString &reason);
    void discard();

    QFile m_file;
    bool m_owned = false; // the hidden file is ours to remove
    QString m_folder;
    QString m_placed;
    QString m_error;
};

} // namespace dravino
