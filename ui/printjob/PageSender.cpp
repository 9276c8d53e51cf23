#include "ui/printjob/PageSender.h"

#include "print/PdfFile.h"
#include "ui/Platform.h"
#include "ui/printjob/PrintPreview.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace dravino {

namespace {
const QString kOrganisation = QStringLiteral("Dravino");
const QString kLastFolder = QStringLiteral("lastSaveFolder");
} // namespace

PageSender::PageSender(Platform &platform, QAbstractButton *button, QString title, bool quietWhenPrinted)
    : m_platform(platform), m_button(button), m_title(std::move(title)), m_quietWhenPrinted(quietWhenPrinted)
{
}

bool PageSender::refuseWhileBusy()
{
    if (!m_printing.busy())
        return false;
    m_printing.begin(m_button); // keeps it pressed
    return true;
}

void PageSender::send(PrintSurface &page, PrintRequest request)
{
    m_printing.begin(m_button);
    m_platform.print(page, std::move(request), m_button, [this](const PrintOutcome &outcome) {
        m_printing.end();
        if (!outcome.device.isEmpty() && !outcome.port.isEmpty() && outcome.printerFailure == CupsFailure::None)
            setPrinterTooltip({outcome.device, outcome.port});
        auto tell = [this, outcome] {
            if (const auto report = reportOf(outcome, m_quietWhenPrinted))
                m_platform.message(m_button->window(), report->text, m_title, report->icon);
        };
        if (m_delivered)
            m_delivered(outcome, std::move(tell));
        else
            tell();
    });
}

void PageSender::saveAsPdf(PrintSurface &page, const QString &suggestedName,
                           const std::function<void(const QString &)> &chosen)
{
    const auto path = m_platform.saveFileName(
        m_button->window(), QCoreApplication::translate("dravino::PrintMenu", "Salva come PDF"),
        QDir(lastSaveFolder()).filePath(suggestedName), QCoreApplication::translate("dravino::PrintMenu", "File PDF (*.pdf)"));
    if (!path)
        return;
    rememberSaveFolder(*path);
    if (chosen)
        chosen(*path);
    PrintRequest request;
    request.saveAs = *path;
    send(page, std::move(request));
}

void PageSender::route(Destination where, std::shared_ptr<PrintSurface> page, const QString &what,
                       const QString &pdfName, const QString &printer, const std::function<void(const QString &)> &sending)
{
    const auto toDefault = [this, page, sending] {
        if (sending)
            sending(QCoreApplication::translate("dravino::PrintMenu", "stampante predefinita"));
        send(*page, {});
    };
    switch (where) {
    case Destination::DefaultPrinter:
        toDefault();
        break;
    case Destination::Printer: {
        if (sending)
            sending(printer);
        PrintRequest request;
        request.printer = printer;
        send(*page, std::move(request));
        break;
    }
    case Destination::Pdf:
        saveAsPdf(*page, pdfName, sending);
        break;
    case Destination::Preview: {
        PrintPreview preview(page, what, m_button->window());
        QObject::connect(&preview, &PrintPreview::printRequested, &preview, toDefault);
        QObject::connect(&preview, &PrintPreview::saveRequested, &preview,
                         [this, page, pdfName, sending] { saveAsPdf(*page, pdfName, sending); });
        preview.exec();
        break;
    }
    }
}

void PageSender::setPrinterTooltip(const PrinterName &printer)
{
    m_printing.setIdleTooltip(m_button, printerTooltip(printer));
}

QString lastSaveFolder()
{
    const QString folder = QSettings(kOrganisation, kOrganisation).value(kLastFolder).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    const QString documents = pdfFolder();
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void rememberSaveFolder(const QString &file)
{
    QSettings(kOrganisation, kOrganisation).setValue(kLastFolder, QFileInfo(file).absolutePath());
}

void saveCsv(Platform &platform, QWidget *parent, const QString &suggestedName,
             const std::function<QByteArray()> &content, const QString &saved)
{
    const QString title = QCoreApplication::translate("dravino::PrintMenu", "Esporta CSV");
    const auto path = platform.saveFileName(parent, title, QDir(lastSaveFolder()).filePath(suggestedName),
                                            QCoreApplication::translate("dravino::PrintMenu", "File CSV (*.csv)"));
    if (!path)
        return;
    rememberSaveFolder(*path);
    const WrittenFile written = replaceFile(content(), *path, QStringLiteral("CSV"));
    if (written.ok())
        platform.message(parent, saved.arg(QDir::toNativeSeparators(written.path)), title, MessageIcon::Information);
    else
        platform.message(parent, written.error, title, MessageIcon::Critical);
}

QString fileNameFor(const QString &what)
{
    QString name = what.simplified();
    for (QChar &c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.left(120);
}

} // namespace dravino
