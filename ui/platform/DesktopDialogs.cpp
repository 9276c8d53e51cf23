// The dialogs: Qt's message boxes, input dialog and file dialogs, and the
// job's form.

#include "ui/Platform.h"

#include "ui/dialogs/JobForm.h"
#include "ui/platform/Modal.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

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
    const QPointer<QWidget> main(mainWindowOf(parent));
    Modal<QMessageBox> box(new QMessageBox(qtIcon, title, shown, QMessageBox::Ok, parent));
    widenForTitle(*box);
    box.exec();
    // Its window went while it was open, before it was read: told again
    // over the window that outlives it.
    if (box.gone() && main && main != parent)
        message(main, text, title, icon);
}

bool DesktopPlatform::confirm(QWidget *parent, const QString &text, const QString &title)
{
    // A question whose window went while it was open is answered No.
    Modal<QMessageBox> box(new QMessageBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent));
    box->setDefaultButton(QMessageBox::No);
    widenForTitle(*box);
    return box.exec() == QMessageBox::Yes && !box.gone();
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
    Modal<QFileDialog> dialog(new QFileDialog(parent, caption, suggested, filter));
    dialog->setObjectName(QStringLiteral("saveDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog: in the window's language on every desktop.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setDefaultSuffix(QFileInfo(suggested).suffix());
    if (dialog.exec() != QDialog::Accepted || dialog.gone() || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().first();
}

std::optional<QString> DesktopPlatform::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                                     const QString &filter)
{
    Modal<QFileDialog> dialog(new QFileDialog(parent, caption, folder, filter));
    dialog->setObjectName(QStringLiteral("openDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.gone() || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().first();
}

std::optional<JobData> DesktopPlatform::jobForm(QWidget *parent, const JobData &proposed)
{
    Modal<JobForm> form(new JobForm(proposed, parent));
    if (form.exec() != QDialog::Accepted || form.gone())
        return std::nullopt;
    return form->job();
}

} // namespace dravino
