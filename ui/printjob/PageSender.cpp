#include "ui/printjob/PageSender.h"

#include "base/Settings.h"
#include "base/Workers.h"
#include "print/PdfFile.h"
#include "ui/Platform.h"
#include "ui/printjob/PrintPreview.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

namespace dravino {

namespace {
const QString kLastFolder = QStringLiteral("lastSaveFolder");
} // namespace

PageSender::PageSender(Platform &platform, QAbstractButton *button, QString title, bool quietWhenPrinted)
    : m_platform(platform), m_button(button), m_title(std::move(title)), m_quietWhenPrinted(quietWhenPrinted)
{
}

QObject *inFlightOwner(QWidget *w)
{
    QWidget *main = mainWindowOf(w);
    const QString name = QStringLiteral("inFlight");
    if (auto *owner = main->findChild<QObject *>(name, Qt::FindDirectChildrenOnly))
        return owner;
    auto *owner = new QObject(main);
    owner->setObjectName(name);
    return owner;
}

bool PageSender::refuseWhileBusy()
{
    if (!m_printing->busy())
        return false;
    m_printing->begin(m_button); // keeps it pressed
    return true;
}

void PageSender::preparing(bool on)
{
    if (on)
        m_printing->begin(m_button);
    else
        m_printing->end();
}

void PageSender::send(PrintSurface &page, PrintRequest request, const Sending &sending)
{
    if (refuseWhileBusy())
        return;
    m_printing->begin(m_button);
    // Nothing of this sender in the outcome's way: it may be gone by then
    // (its window closed), the page not.
    QObject *owner = inFlightOwner(m_button);
    const QPointer<QAbstractButton> button(m_button);
    const QPointer<QWidget> main(mainWindowOf(m_button));
    const Go handOver = [platform = &m_platform, printing = m_printing, button, main, title = m_title, quiet = m_quietWhenPrinted,
                         owner = QPointer<QObject>(owner), request](std::shared_ptr<PrintSurface> page, Delivered delivered) {
        if (!page || !owner) {
            printing->end();
            return;
        }
        platform->print(*page, request, owner, [platform, printing, button, main, title, quiet, delivered](const PrintOutcome &outcome) {
            printing->end();
            if (button && !outcome.device.isEmpty() && !outcome.port.isEmpty() && outcome.printerFailure == PrintFailure::None)
                printing->setIdleTooltip(button, printerTooltip({outcome.device, outcome.port}));
            auto tell = [platform, button, main, title, quiet, outcome] {
                QWidget *parent = tellingWindow(button, main);
                if (const auto report = reportOf(outcome, quiet); report && parent)
                    platform->message(parent, report->text, title, report->icon);
            };
            if (delivered)
                delivered(outcome, std::move(tell));
            else
                tell();
        });
    };
    if (!sending) {
        // (the page is drawn and ended: handed over as it is)
        handOver(std::shared_ptr<PrintSurface>(&page, [](PrintSurface *) {}), {});
        return;
    }
    sending(handOver);
}

void PageSender::saveAsPdf(PrintSurface &page, const QString &suggestedName, const Sending &sending)
{
    if (refuseWhileBusy())
        return;
    const auto path = m_platform.saveFileName(
        m_button->window(), QCoreApplication::translate("dravino::PrintMenu", "Salva come PDF"),
        QDir(lastSaveFolder()).filePath(suggestedName), QCoreApplication::translate("dravino::PrintMenu", "File PDF (*.pdf)"));
    if (!path)
        return;
    rememberSaveFolder(*path);
    PrintRequest request;
    request.saveAs = *path;
    send(page, std::move(request), sending);
}

void PageSender::route(Destination where, std::shared_ptr<PrintSurface> page, const QString &what,
                       const QString &pdfName, const QString &printer, const Sending &sending)
{
    switch (where) {
    case Destination::DefaultPrinter:
        send(*page, {}, sending);
        break;
    case Destination::Printer: {
        PrintRequest request;
        request.printer = printer;
        send(*page, std::move(request), sending);
        break;
    }
    case Destination::Pdf:
        saveAsPdf(*page, pdfName, sending);
        break;
    case Destination::Preview: {
        Modal<PrintPreview> preview(new PrintPreview(page, what, m_button->window()));
        QObject::connect(preview.get(), &PrintPreview::printRequested, preview.get(), [this, page, sending] { send(*page, {}, sending); });
        QObject::connect(preview.get(), &PrintPreview::saveRequested, preview.get(),
                         [this, page, pdfName, sending] { saveAsPdf(*page, pdfName, sending); });
        preview.exec();
        break;
    }
    }
}

void PageSender::setPrinterTooltip(const PrinterName &printer)
{
    m_printing->setIdleTooltip(m_button, printerTooltip(printer));
}

QString lastSaveFolder()
{
    const QString folder = settingsValue(kLastFolder).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    const QString documents = pdfFolder();
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void rememberSaveFolder(const QString &file)
{
    setSettingsValue(kLastFolder, QFileInfo(file).absolutePath());
}

void saveExport(Platform &platform, QWidget *parent, ExportKind kind, const QString &suggestedName,
                const ExportContent &content, const QString &saved)
{
    struct Kind {
        const char *title, *filter;
        QString suffix, name;
    };
    const Kind k = kind == ExportKind::Csv ? Kind{QT_TRANSLATE_NOOP("dravino::PrintMenu", "Esporta CSV"),
                                                  QT_TRANSLATE_NOOP("dravino::PrintMenu", "File CSV (*.csv)"), QStringLiteral(".csv"),
                                                  QStringLiteral("CSV")}
        : kind == ExportKind::Spreadsheet ? Kind{QT_TRANSLATE_NOOP("dravino::PrintMenu", "Esporta foglio di calcolo"),
                                                 QT_TRANSLATE_NOOP("dravino::PrintMenu", "Foglio di calcolo (*.xlsx)"),
                                                 QStringLiteral(".xlsx"), QStringLiteral("XLSX")}
                                          : Kind{QT_TRANSLATE_NOOP("dravino::PrintMenu", "Salva sessione sigrok"),
                                                 QT_TRANSLATE_NOOP("dravino::PrintMenu", "Sessione sigrok (*.sr)"),
                                                 QStringLiteral(".sr"), QStringLiteral("SR")};
    const QString title = QCoreApplication::translate("dravino::PrintMenu", k.title);
    const QString filter = QCoreApplication::translate("dravino::PrintMenu", k.filter);
    const auto path = platform.saveFileName(parent, title, QDir(lastSaveFolder()).filePath(suggestedName + k.suffix), filter);
    if (!path)
        return;
    rememberSaveFolder(*path);
    // Made and written (to the disk, every byte) off the window's thread;
    // told from the window it was asked in, or the main one where that is gone.
    const QPointer<QWidget> asker(parent);
    const QPointer<QWidget> main(mainWindowOf(parent));
    offThread<WrittenFile>(
        inFlightOwner(parent),
        [content, file = *path, kind = k.name] {
            QString why;
            const auto bytes = content(&why);
            return bytes ? replaceFile(*bytes, file, kind) : WrittenFile{{}, why};
        },
        [&platform, asker, main, title, saved](const WrittenFile &written) {
            QWidget *to = tellingWindow(asker, main);
            if (written.ok())
                platform.message(to, saved.arg(QDir::toNativeSeparators(written.path)), title, MessageIcon::Information);
            else
                platform.message(to, written.error, title, MessageIcon::Critical);
        });
}

QString fileNameFor(const QString &what)
{
    // Letters and digits as they are; of the rest only what every file
    // system and file dialog takes (a quote would split the dialog's name).
    static const QString kept = QStringLiteral(" -_.()+,");
    QString name = what.simplified();
    for (QChar &c : name)
        if (!c.isLetterOrNumber() && !c.isMark() && !kept.contains(c))
            c = QLatin1Char('_');
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.left(120);
}

} // namespace dravino
