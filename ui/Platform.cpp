#include "ui/Platform.h"

#include "print/QtPrintSurface.h"

#include <QDesktopServices>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace dravino {

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
    box.exec();
}

QString DesktopPlatform::inputText(QWidget *parent, const QString &prompt, const QString &title)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, {}, &ok);
    return ok ? text : QString();
}

int DesktopPlatform::shellOpen(const QString &target)
{
    return QDesktopServices::openUrl(QUrl(target)) ? kShellOk : kShellNoAssociation;
}

PrinterName DesktopPlatform::printer()
{
    const auto dest = QtPrintSurface::defaultDestination();
    return {dest.deviceName, dest.port};
}

std::unique_ptr<PrintSurface> DesktopPlatform::openPrinter()
{
    return std::make_unique<QtPrintSurface>();
}

} // namespace dravino
