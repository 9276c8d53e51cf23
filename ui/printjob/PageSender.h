#pragma once
// What a print button does with a drawn page, whatever the destination
// (the default printer, one chosen, a PDF file the user names): hands it
// over as a print job, shows on the button that it is under way, and tells
// the outcome under the document's title. One page on its way at a time.

#include "print/Delivery.h"
#include "ui/printjob/PrintJob.h"

#include <QString>
#include <functional>
#include <memory>

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

    // True (and the button pressed again) when a page is on its way.
    bool refuseWhileBusy();
    // The page, its document ended, to where request says.
    void send(PrintSurface &page, PrintRequest request);
    // Asks the user where to save the page (the dialog starts in the folder
    // last used, with suggestedName) and saves it there; chosen hears the
    // file before the page goes.
    void saveAsPdf(PrintSurface &page, const QString &suggestedName,
                   const std::function<void(const QString &)> &chosen = {});
    // The page to where: printer for Printer; pdfName suggested for Pdf; what
    // names it in the preview, whose Stampa and Salva come PDF... go on from
    // here. sending hears where each page goes (the printer, the file)
    // before it goes.
    void route(Destination where, std::shared_ptr<PrintSurface> page, const QString &what, const QString &pdfName,
               const QString &printer = {}, const std::function<void(const QString &)> &sending = {});
    void setPrinterTooltip(const PrinterName &printer);
    // Hears each page's outcome before the technician does; the report
    // waits until tell is called.
    using Delivered = std::function<void(const PrintOutcome &outcome, std::function<void()> tell)>;
    void setDelivered(Delivered delivered) { m_delivered = std::move(delivered); }

private:
    Platform &m_platform;
    QAbstractButton *m_button;
    QString m_title;
    bool m_quietWhenPrinted;
    PrintInProgress m_printing;
    Delivered m_delivered;
};

// The folder the last file was saved in (the documents folder at first),
// and remembering it.
QString lastSaveFolder();
void rememberSaveFolder(const QString &file);

// Asks where to save a CSV file (the dialog starts in the folder last used,
// with suggestedName), writes content() there in one piece and tells the
// outcome: saved, its "%1" the file, or why it was not written.
void saveCsv(Platform &platform, QWidget *parent, const QString &suggestedName,
             const std::function<QByteArray()> &content, const QString &saved);

// A file name that says what a page is, without characters a file system
// or a desktop would refuse.
QString fileNameFor(const QString &what);

} // namespace dravino
