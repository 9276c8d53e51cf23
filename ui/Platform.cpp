#include "ui/Platform.h"

#include "print/PdfFile.h"
#include "print/QtPrintSurface.h"
#include "ui/dialogs/JobForm.h"
#include "ui/printjob/PrintJob.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace dravino {

namespace {
// Qt sizes a message box to its text; a window manager draws the title in a
// bold face beside an icon and three buttons, and cuts a title longer than
// a short text. A spacer below the text keeps the whole title in view.
void widenForTitle(QMessageBox &box)
{
    QFont bold = box.font();
    bold.setBold(true);
    constexpr int kTitleBarButtons = 140; // icon and three buttons of a title bar
    const int wanted = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0,
                      1, grid->columnCount());
}
} // namespace

void DesktopPlatform::message(QWidget *parent, const QString &text, const QString &title,
                              MessageIcon icon)
{
    const auto qtIcon = icon == MessageIcon::Information ? QMessageBox::Information
        : icon == MessageIcon::Exclamation               ? QMessageBox::Warning
                                                         : QMessageBox::Critical;
    // The texts break their lines with CR LF; Qt lays out LF.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(qtIcon, title, shown, QMessageBox::Ok, parent);
    widenForTitle(box);
    box.exec();
}

bool DesktopPlatform::confirm(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    widenForTitle(box);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> DesktopPlatform::inputText(QWidget *parent, const QString &prompt, const QString &title)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, {}, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> DesktopPlatform::saveFileName(QWidget *parent, const QString &caption,
                                                     const QString &suggested, const QString &filter)
{
    QFileDialog dialog(parent, caption, suggested, filter);
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog: in the window's language on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> DesktopPlatform::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                                     const QString &filter)
{
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setObjectName(QStringLiteral("openDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<JobData> DesktopPlatform::jobForm(QWidget *parent, const JobData &proposed)
{
    JobForm form(proposed, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.job();
}

QString Platform::makerWeb() const { return QStringLiteral(DRAVINO_MAKER_WEB); }
QString Platform::makerMail() const { return QStringLiteral(DRAVINO_MAKER_MAIL); }

int DesktopPlatform::shellOpen(const QString &target)
{
    return QDesktopServices::openUrl(QUrl(target)) ? kShellOk : kShellNoAssociation;
}

PrinterName DesktopPlatform::printer()
{
    const CupsLookup found = lookUpQueue({}, printLimits());
    if (found.queue)
        return {found.queue->name, found.queue->port};
    if (found.failure != CupsFailure::None)
        return {QCoreApplication::translate("dravino::Platform", "stampante predefinita"),
                QCoreApplication::translate("dravino::Platform", "il server di stampa non risponde")};
    const QString folder = pdfFolder();
    return {QCoreApplication::translate("QtPrintSurface", "nessuna stampante (file PDF)"),
            folder.isEmpty() ? QCoreApplication::translate("QtPrintSurface", "nessuna cartella")
                             : QDir::toNativeSeparators(folder)};
}

void DesktopPlatform::listPrinters(QObject *context, std::function<void(const CupsQueues &)> done)
{
    startQueueListing(context, std::move(done));
}

std::unique_ptr<PrintSurface> DesktopPlatform::newPage()
{
    return std::make_unique<QtPrintSurface>();
}

void DesktopPlatform::print(PrintSurface &page, PrintRequest request, QObject *context,
                            std::function<void(const PrintOutcome &)> done)
{
    // A page drawn elsewhere has no PDF: the job says it could not be drawn.
    if (const auto *qt = dynamic_cast<QtPrintSurface *>(&page))
        request.pdf = qt->pdf();
    if (request.folder.isEmpty() && request.saveAs.isEmpty())
        request.folder = pdfFolder();
    request.limits = printLimits();
    startPrintJob(std::move(request), context, std::move(done));
}

} // namespace dravino
