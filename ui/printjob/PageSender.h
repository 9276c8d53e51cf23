#pragma once
// What a print button does with a drawn page, whatever the destination
// (the default printer, one chosen, a PDF file the user names): hands it
// over as a print job, shows on the button that it is under way, and tells
// the outcome under the document's title. One page on its way at a time,
// however it leaves (the button, the menu, the preview's own buttons): a
// press meanwhile starts nothing.
//
// The page in flight belongs to the program's main window, not to the
// button or the window it was pressed in: closing the archive window or
// the preview gives nothing up, and the outcome is told from the main
// window when the button's is gone.

#include "print/Delivery.h"
#include "ui/printjob/PrintJob.h"
#include "ui/platform/Modal.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QAbstractButton;
class QWidget;

namespace dravino {

class Platform;
class PrintSurface;

class PageSender final
{
public:
    // Where a drawn page goes: the print button's one click and its menu.
    enum class Destination { DefaultPrinter, Printer, Pdf, Preview };

    PageSender(Platform &platform, QAbstractButton *button, QString title, bool quietWhenPrinted);
    Q_DISABLE_COPY_MOVE(PageSender)

    // Hears one page's outcome before the technician does; the report
    // waits until tell is called.
    using Delivered = std::function<void(const PrintOutcome &outcome, std::function<void()> tell)>;
    // Hands over page (its final drawing) with what is to hear its outcome;
    // no page: it is given up (and told why already).
    using Go = std::function<void(std::shared_ptr<PrintSurface> page, Delivered delivered)>;
    // Called as each page goes (after its file is chosen): it may make the
    // page final first (its certificate numbered, the page drawn again),
    // then goes on, now or later; the button shows the page under way
    // meanwhile, and presses start nothing.
    using Sending = std::function<void(const Go &go)>;

    // True (and the button pressed again) when a page is on its way.
    bool refuseWhileBusy();
    // The page being made ready (its certificate numbered): the button shows
    // it under way, presses start nothing, until done.
    void preparing(bool on);
    // The page, its document ended, to where request says; nothing while
    // another is on its way.
    void send(PrintSurface &page, PrintRequest request, const Sending &sending = {});
    // Asks the user where to save the page (the dialog starts in the folder
    // last used, with suggestedName) and saves it there.
    void saveAsPdf(PrintSurface &page, const QString &suggestedName, const Sending &sending = {});
    // The page to where: printer for Printer; pdfName suggested for Pdf; what
    // names it in the preview, whose Stampa and Salva come PDF... go on from
    // here.
    void route(Destination where, std::shared_ptr<PrintSurface> page, const QString &what, const QString &pdfName,
               const QString &printer = {}, const Sending &sending = {});
    void setPrinterTooltip(const PrinterName &printer);

private:
    Platform &m_platform;
    QAbstractButton *m_button;
    QString m_title;
    bool m_quietWhenPrinted;
    std::shared_ptr<PrintInProgress> m_printing = std::make_shared<PrintInProgress>();
};

// What owns the pages in flight, the calls of an export and what is told
// of them: an object of the main window's, living as long as it.
QObject *inFlightOwner(QWidget *w);

// The folder the last file was saved in (the documents folder at first),
// and remembering it.
QString lastSaveFolder();
void rememberSaveFolder(const QString &file);

// What an export writes: CSV (the spreadsheets' list separator of the
// window's language), a spreadsheet file (.xlsx), or a sigrok session file
// (.sr, a trace PulseView opens).
enum class ExportKind { Csv, Spreadsheet, Session };
// The file's bytes, or nothing and why.
using ExportContent = std::function<std::optional<QByteArray>(QString *why)>;
// Asks where to save the export (the dialog starts in the folder last used,
// with suggestedName, its suffix the kind's), writes content() there in one
// piece and tells the outcome: saved, its "%1" the file, or why it was not
// written.
void saveExport(Platform &platform, QWidget *parent, ExportKind kind, const QString &suggestedName,
                const ExportContent &content, const QString &saved);

// A file name that says what a page is, without characters a file system
// or a desktop would refuse.
QString fileNameFor(const QString &what);

} // namespace dravino
