#pragma once
// Desktop services for tests: message boxes are recorded and answered at
// once, the code prompt answers a preset text, the shell a preset result;
// printed documents are kept as recordings, or go to the machine's default
// printer (realPrinter), or fail during the page (printerFails).

#include "print/QtPrintSurface.h"
#include "print/RecordingSurface.h"
#include "ui/Platform.h"

#include <QList>
#include <QSemaphore>
#include <QThread>
#include <atomic>

struct ShownMessage {
    QString text;
    QString title;
    dravino::MessageIcon icon;
};

class FakePlatform final : public dravino::Platform
{
public:
    void message(QWidget *, const QString &text, const QString &title, dravino::MessageIcon icon) override
    {
        messages.append({text, title, icon});
    }
    QString inputText(QWidget *, const QString &prompt, const QString &title) override
    {
        prompts.append(prompt + QLatin1Char('|') + title);
        return inputAnswer;
    }
    int shellOpen(const QString &target) override
    {
        opened.append(target);
        return shellResult;
    }
    // Asked on the thread that asks; a gate holds the answer back, as a
    // slow print system would.
    dravino::PrinterName printer() override
    {
        printerThread = QThread::currentThread();
        if (printerGate)
            printerGate->acquire();
        const auto answer = realPrinter ? m_desktop.printer() : dravino::PrinterName{deviceName, port};
        ++printerQueries; // last: the test may end this platform once it counts
        return answer;
    }
    std::unique_ptr<dravino::PrintSurface> openPrinter() override
    {
        if (realPrinter)
            return m_desktop.openPrinter();
        if (!pdfTo.isEmpty())
            return std::make_unique<dravino::QtPrintSurface>(pdfTo);
        auto surface = std::make_unique<dravino::RecordingSurface>(printerFails ? QStringLiteral("Guasta") : deviceName, port);
        surface->onEndDoc = [this](const dravino::RecordingSurface &s) {
            if (!printerFails)
                documents.append(s.items());
        };
        surface->failure = printerFails ? QStringLiteral("La stampa su Guasta non è riuscita.") : QString();
        return surface;
    }
    QDate today() override { return QDate(2026, 12, 6); }

    QList<ShownMessage> messages;
    QStringList prompts;
    QString inputAnswer;
    QStringList opened;
    int shellResult = dravino::kShellOk;
    QString deviceName = QStringLiteral("PDF");
    QString port = QStringLiteral("cups-pdf:/");
    QList<QList<dravino::RecordedItem>> documents;
    bool printerFails = false;
    bool realPrinter = false;
    QString pdfTo; // the next pages go to this PDF file (which must not exist)
    std::atomic<int> printerQueries = 0;
    std::atomic<QThread *> printerThread = nullptr;
    QSemaphore *printerGate = nullptr;

private:
    dravino::DesktopPlatform m_desktop;
};
