#pragma once
// The desktop's services for the programs that drive the window without a
// technician (the screenshots, the bench): no message shown, the code
// prompt answered with code, no dialog, every page written to the file pdf
// and told at once as saved there.

#include "print/QtPrintSurface.h"
#include "ui/Platform.h"

#include <QDate>
#include <QFile>
#include <QTimer>

class FilePlatform : public dravino::Platform
{
public:
    void message(QWidget *, const QString &, const QString &, dravino::MessageIcon) override {}
    std::optional<QString> inputText(QWidget *, const QString &, const QString &) override { return code; }
    std::optional<QString> saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    bool confirm(QWidget *, const QString &, const QString &) override { return false; }
    std::optional<QString> openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<dravino::JobData> jobForm(QWidget *, const dravino::JobData &) override { return job; }
    int shellOpen(const QString &) override { return dravino::kShellOk; }
    dravino::PrinterName printer() override { return printerName; }
    std::unique_ptr<dravino::PrintSurface> newPage() override { return std::make_unique<dravino::QtPrintSurface>(); }
    void print(dravino::PrintSurface &page, dravino::PrintRequest, QObject *context,
               std::function<void(const dravino::PrintOutcome &)> done) override
    {
        QFile out(pdf);
        dravino::PrintOutcome o;
        o.kind = out.open(QIODevice::WriteOnly) && out.write(static_cast<dravino::QtPrintSurface &>(page).pdf()) > 0
            ? dravino::PrintOutcome::SavedToFile
            : dravino::PrintOutcome::Failed;
        o.file = pdf;
        QTimer::singleShot(0, context, [o, done] { done(o); });
    }
    void listPrinters(QObject *, std::function<void(const dravino::QueueList &)>) override {}
    QDate today() override { return QDate::currentDate(); }

    QString pdf;  // where the pages go
    QString code; // the sensor code typed at the prompt
    dravino::JobData job; // the job's form answered
    dravino::PrinterName printerName{QStringLiteral("PDF"), QStringLiteral("file")};
};
