#pragma once
// Desktop services for tests: message boxes, questions, the code prompt and
// the job's form are recorded and answered (at once, or after whileAsked has
// run with them open), the code prompt with a preset text, the shell a
// preset result;
// printed documents are kept as recordings and reported printed on "PDF"
// (or refused by "Guasta": printerFails), or drawn by Qt and handed to the
// machine's printer (realPrinter) or written to a file (pdfTo) by the real
// print path. Outcomes come back later, as from a print job; pending counts
// the pages still on their way.

#include "print/PrintBackend.h"
#include "print/Delivery.h"
#include "print/QtPrintSurface.h"
#include "print/RecordingSurface.h"
#include "ui/Platform.h"

#include <QTimer>

#include <QList>
#include <atomic>

struct ShownMessage {
    QString text;
    QString title;
    dravino::MessageIcon icon;
};

class FakePlatform final : public dravino::Platform
{
public:
    // whileAsked runs while a question or a message is open, as the real
    // boxes' event loops let replies, timers and notifications through.
    void message(QWidget *parent, const QString &text, const QString &title, dravino::MessageIcon icon) override
    {
        messages.append({text, title, icon});
        if (realBoxes)
            return m_desktop.message(parent, text, title, icon);
        if (whileAsked)
            std::exchange(whileAsked, {})();
    }
    bool confirm(QWidget *parent, const QString &text, const QString &title) override
    {
        questions.append(title + QLatin1Char('|') + text);
        if (realBoxes)
            return m_desktop.confirm(parent, text, title);
        if (whileAsked)
            std::exchange(whileAsked, {})();
        return confirmAnswer;
    }
    std::optional<QString> inputText(QWidget *, const QString &prompt, const QString &title) override
    {
        prompts.append(prompt + QLatin1Char('|') + title);
        if (whileAsked)
            std::exchange(whileAsked, {})();
        if (inputCancelled)
            return std::nullopt;
        return inputAnswer;
    }
    // Answered with saveAs (nothing: cancelled); the dialog's questions are
    // the desktop's, tested on the real dialog.
    std::optional<QString> saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                        const QString &filter) override
    {
        saveDialogs.append(caption + QLatin1Char('|') + suggested + QLatin1Char('|') + filter);
        if (realBoxes)
            return m_desktop.saveFileName(parent, caption, suggested, filter);
        if (saveAs.isEmpty())
            return std::nullopt;
        return saveAs;
    }
    std::optional<QString> openFileName(QWidget *, const QString &caption, const QString &folder, const QString &filter) override
    {
        saveDialogs.append(caption + QLatin1Char('|') + folder + QLatin1Char('|') + filter);
        if (openAnswer.isEmpty())
            return std::nullopt;
        return openAnswer;
    }
    // The job's form answered with job (nothing: Annulla), or the real form
    // (realJobForm); what it proposed is kept.
    std::optional<dravino::JobData> jobForm(QWidget *parent, const dravino::JobData &proposed) override
    {
        jobProposals.append(proposed);
        if (whileAsked)
            std::exchange(whileAsked, {})();
        return realJobForm ? m_desktop.jobForm(parent, proposed) : job;
    }
    QString makerWeb() const override { return web; }
    QString makerMail() const override { return mail; }
    int shellOpen(const QString &target) override
    {
        opened.append(target);
        return shellResult;
    }
    // Asked on the thread that asks.
    dravino::PrinterName printer() override
    {
        const auto answer = realPrinter ? m_desktop.printer() : dravino::PrinterName{deviceName, port};
        ++printerQueries; // last: the test may end this platform once it counts
        return answer;
    }
    std::unique_ptr<dravino::PrintSurface> newPage() override
    {
        if (realPrinter || realPages || !pdfTo.isEmpty())
            return m_desktop.newPage();
        auto surface = std::make_unique<dravino::RecordingSurface>();
        surface->onEndDoc = [this](const dravino::RecordingSurface &s) {
            if (!printerFails)
                documents.append(s.items());
        };
        return surface;
    }
    void print(dravino::PrintSurface &page, dravino::PrintRequest request, QObject *context,
               std::function<void(const dravino::PrintOutcome &)> done) override
    {
        ++pending;
        requests.append(request.saveAs.isEmpty() ? request.printer : QStringLiteral("file:") + request.saveAs);
        auto finish = [this, done = std::move(done)](const dravino::PrintOutcome &o) {
            --pending;
            done(o);
        };
        if (realPrinter || realPages || !pdfTo.isEmpty()) {
            if (!pdfTo.isEmpty())
                request.saveAs = pdfTo;
            m_desktop.print(page, std::move(request), context, std::move(finish));
            return;
        }
        dravino::PrintOutcome o;
        o.kind = printerFails ? dravino::PrintOutcome::SavedToFile
            : queueStopped    ? dravino::PrintOutcome::Held
                              : dravino::PrintOutcome::Printed;
        o.device = printerFails ? QStringLiteral("Guasta") : request.printer.isEmpty() ? deviceName : request.printer;
        o.port = port;
        if (printerFails) {
            o.printerFailure = dravino::PrintFailure::Refused;
            o.printerReason = dravino::PrintReason::said(QStringLiteral("client-error-not-possible"));
            o.file = QStringLiteral("/home/tecnico/Documenti/Dravino.pdf");
        }
        if (holdPages) {
            held.append([o, finish = std::move(finish)] { finish(o); });
            return;
        }
        QTimer::singleShot(0, context, [o, finish = std::move(finish)] { finish(o); });
    }
    // The pages held back (holdPages), on their way until released.
    void releasePages()
    {
        for (const auto &release : std::exchange(held, {}))
            release();
    }
    // Two printers, PDF the default; none ("none"), a print server that
    // does not answer ("silent"); the real ones with realPrinter.
    void listPrinters(QObject *context, std::function<void(const dravino::QueueList &)> done) override
    {
        if (realPrinter) {
            m_desktop.listPrinters(context, std::move(done));
            return;
        }
        dravino::QueueList q;
        if (queues == QLatin1String("silent"))
            q.failure = dravino::PrintFailure::NoAnswer;
        if (queues.isEmpty()) {
            q.queues.push_back({deviceName, port, true, false, {}, true});
            q.queues.push_back({QStringLiteral("Ufficio"), QStringLiteral("ipp://ufficio/"), true, false, {}, false});
        }
        QTimer::singleShot(0, context, [q, done = std::move(done)] { done(q); });
    }
    QDate today() override { return QDate(2026, 12, 6); }

    QList<ShownMessage> messages;
    bool realBoxes = false; // messages, questions and the save dialog Qt's own, answered by the test
    QStringList prompts;
    QStringList questions;
    bool confirmAnswer = true;
    std::function<void()> whileAsked; // once, the next time a box is open
    QStringList saveDialogs;
    QString saveAs;
    QString openAnswer;                 // the file an open dialog gives (empty: cancelled)
    std::optional<dravino::JobData> job; // the job's form: what it gives (nothing: Annulla)
    bool realJobForm = false;
    QList<dravino::JobData> jobProposals;
    // The maker's addresses, as a distributor's build gives them (empty: none).
    QString web = QStringLiteral("https://officina.test/"), mail = QStringLiteral("lab@officina.test");
    QString inputAnswer;
    bool inputCancelled = false;
    QStringList opened;
    int shellResult = dravino::kShellOk;
    QString deviceName = QStringLiteral("PDF");
    QString port = QStringLiteral("cups-pdf:/");
    QList<QList<dravino::RecordedItem>> documents;
    bool printerFails = false;
    bool queueStopped = false; // the printer holds the pages until it runs again
    bool realPrinter = false;
    bool realPages = false; // pages drawn by Qt and delivered by the desktop's print path
    QStringList requests;   // where each page was sent: a printer ("" the default) or file:PATH
    int pending = 0;
    bool holdPages = false;
    QString queues; // what the print server lists: see listPrinters
    QList<std::function<void()>> held;
    QString pdfTo; // the next pages go to this PDF file (which must not exist)
    std::atomic<int> printerQueries = 0;

private:
    dravino::DesktopPlatform m_desktop;
};
