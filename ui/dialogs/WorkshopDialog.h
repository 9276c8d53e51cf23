#pragma once
// "Officina...": the workshop's identity on every printed page (name,
// address, phone, e-mail, a logo picture) and whether each scale sheet asks
// for the job's data. Set once, kept in the settings file (group
// "workshop"); reached from both print menus and the archive window.

#include "print/Workshop.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace dravino {

class Platform;

// The workshop as the settings file has it, and keeping it there (false
// where the file could not be written).
Workshop loadWorkshop();
bool saveWorkshop(const Workshop &workshop);
// What every page printed now carries: the workshop, its logo read (a
// logo that cannot be read is told once, and the page goes without it),
// the maker's web page.
PageFrame pageFrame(Platform &platform, QWidget *parent);

class WorkshopDialog final : public QDialog
{
    Q_OBJECT
public:
    WorkshopDialog(Platform &platform, QWidget *parent);
    Q_DISABLE_COPY_MOVE(WorkshopDialog)

    Workshop workshop() const;

    // Opens the dialog and keeps what the technician confirms.
    static void edit(Platform &platform, QWidget *parent);

    // OK keeps the workshop; where it cannot be kept, says why and stays open.
    void accept() override;

private:
    void chooseLogo();
    void showLogo();

    Platform &m_platform;
    QLineEdit *m_name = nullptr;
    QPlainTextEdit *m_address = nullptr;
    QLineEdit *m_phone = nullptr;
    QLineEdit *m_email = nullptr;
    QLineEdit *m_logo = nullptr;
    QLabel *m_logoShown = nullptr;
    QCheckBox *m_askJob = nullptr;
};

} // namespace dravino
