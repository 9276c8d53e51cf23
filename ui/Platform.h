#pragma once
// The services the window takes from the desktop, behind seams tests can
// answer: the dialogs, the shell, the printing. Each has a room of its own
// (ui/platform/).

#include "base/JobData.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QObject;
class QWidget;

namespace dravino {

class PrintSurface;
struct PrintRequest;
struct PrintOutcome;
struct QueueList;

enum class MessageIcon { Information, Exclamation, Critical };

struct PrinterName {
    QString device;
    QString port;
};

// The print buttons' tooltip naming the printer.
inline QString printerTooltip(const PrinterName &p)
{
    return QCoreApplication::translate("dravino::Platform", "Stampa su ") + p.device
        + QCoreApplication::translate("dravino::Platform", "; porta ") + p.port;
}

// The dialogs the window opens: messages, questions, prompts, the file
// dialogs and the job's form.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A modal message box with one OK button.
    virtual void message(QWidget *parent, const QString &text, const QString &title,
                         MessageIcon icon) = 0;
    // A modal question with Sì and No; true for Sì.
    virtual bool confirm(QWidget *parent, const QString &text, const QString &title) = 0;
    // A modal text prompt; nothing when cancelled.
    virtual std::optional<QString> inputText(QWidget *parent, const QString &prompt, const QString &title) = 0;
    // A modal file dialog, Qt's own in the window's language, to save a file
    // of filter's kind ("File PDF (*.pdf)") as suggested or elsewhere; it
    // asks before a name in the way is replaced. Nothing when cancelled.
    virtual std::optional<QString> saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                                const QString &filter) = 0;
    // A modal file dialog to open a file of filter's kind, starting in
    // folder. Nothing when cancelled.
    virtual std::optional<QString> openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                                const QString &filter) = 0;
    // The job's form of a scale sheet (customer, vehicle, job, operator),
    // proposed as given; nothing when cancelled.
    virtual std::optional<JobData> jobForm(QWidget *parent, const JobData &proposed) = 0;
};

// The desktop around the program: the shell, the build's addresses, the
// calendar.
class Shell
{
public:
    virtual ~Shell() = default;

    // The shell's "open" verb: a number above 32 on success, as the old
    // desktop shells answered.
    virtual int shellOpen(const QString &target) = 0;
    // The maker's web page and mail address, as the build sets them
    // (DRAVINO_MAKER_WEB, DRAVINO_MAKER_MAIL); empty: none.
    virtual QString makerWeb() const;
    virtual QString makerMail() const;
    // Today's date, which places two-digit years.
    virtual QDate today() = 0;
};

// Pages and printers.
class Printing
{
public:
    virtual ~Printing() = default;

    // Name and port of the printer a document would go to now (one query,
    // with a time limit; the window asks off its own thread).
    virtual PrinterName printer() = 0;
    // A page to draw one document on.
    virtual std::unique_ptr<PrintSurface> newPage() = 0;
    // Hands the page, its document ended, to where request says, off the
    // window's thread; done comes on context's thread with the outcome, and
    // never once context is gone.
    virtual void print(PrintSurface &page, PrintRequest request, QObject *context,
                       std::function<void(const PrintOutcome &)> done) = 0;
    // The printers there are, asked off the window's thread; done comes on
    // context's thread.
    virtual void listPrinters(QObject *context, std::function<void(const QueueList &)> done) = 0;
};

// Everything the window takes from the desktop, handed around as one.
class Platform : public Dialogs, public Shell, public Printing
{
};

// QMessageBox, QInputDialog, QDesktopServices, and pages drawn by Qt into a
// PDF that goes to the printer (or into the documents folder) on a print job.
class DesktopPlatform final : public Platform
{
public:
    void message(QWidget *parent, const QString &text, const QString &title,
                 MessageIcon icon) override;
    std::optional<QString> inputText(QWidget *parent, const QString &prompt, const QString &title) override;
    bool confirm(QWidget *parent, const QString &text, const QString &title) override;
    std::optional<QString> saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                        const QString &filter) override;
    std::optional<QString> openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                        const QString &filter) override;
    std::optional<JobData> jobForm(QWidget *parent, const JobData &proposed) override;
    int shellOpen(const QString &target) override;
    PrinterName printer() override;
    std::unique_ptr<PrintSurface> newPage() override;
    void print(PrintSurface &page, PrintRequest request, QObject *context,
               std::function<void(const PrintOutcome &)> done) override;
    void listPrinters(QObject *context, std::function<void(const QueueList &)> done) override;
    QDate today() override { return QDate::currentDate(); }
};

// Returned by shellOpen when no application takes the address.
inline constexpr int kShellNoAssociation = 31;
inline constexpr int kShellOk = 33;

} // namespace dravino
