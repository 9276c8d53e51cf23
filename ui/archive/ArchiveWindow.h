#pragma once
// "Archivio prove": the scale checks recorded, newest first, found by part
// of the sensor's code (or of the job's data, or the certificate's number),
// a date range and their verdict, every one of them counted (with how many
// passed and failed) and reached by scrolling; a sensor's history; a record opens as the sheet it
// produced (the print preview, with Stampa and Salva come PDF...); the
// records selected go to a CSV file or a spreadsheet; a record can be
// deleted after a confirmation. F4 from any panel, or the scale sheet's
// print menu. The archive answers on its own thread: a line under the list
// says when a search is under way, how many checks it found, and why the
// archive could not be read. The list follows the archive, also another
// bench's checks on a shared server. The window says which archive it
// shows; on a server, the bench's own earlier checks are offered once.

#include <QDialog>
#include <functional>
#include <memory>

#include "archive/ArchiveService.h"
#include "ui/printjob/PageSender.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace dravino {

class ArchiveModel;
class Platform;
class PrintSurface;

class ArchiveWindow final : public QDialog
{
    Q_OBJECT
public:
    ArchiveWindow(Platform &platform, std::function<ArchiveService *()> archive, QWidget *parent);
    ~ArchiveWindow() override;
    Q_DISABLE_COPY_MOVE(ArchiveWindow)

    // Reads the archive again with the search as it stands.
    void refresh();
    void openSelected();
    void printSelected();
    void exportSelected(ExportKind kind);
    // Elimina: a record that is no certificate is erased; an issued
    // certificate is withdrawn, with the reason asked, and kept.
    void deleteSelected();
    // Correggi...: the selected calibration taken up again in the
    // calibration window, its new certificate naming the one it replaces.
    void correctSelected();
    void setCorrect(std::function<void(const CheckRecord &)> correct) { m_correct = std::move(correct); }
    // The selected check's sensor: its earlier checks and their averages.
    void showHistory();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QStringList selectedKeys() const;
    // The whole records of the rows selected, then what to do with them.
    void withSelected(bool all, std::function<void(const QList<CheckRecord> &)> then);
    void showState();
    // The rows in view asked of the archive, where not read yet.
    void fetchVisible();
    void offerBenchChecks();

    Platform &m_platform;
    std::function<ArchiveService *()> m_archive;
    ArchiveModel *m_model = nullptr;
    QString m_keep;         // the row the technician is on, kept when the list is read again
    QStringList m_selected; // ... and those selected
    bool m_columnsFitted = false;
    bool m_offered = false; // the bench's own checks offered to the server (on the first show)
    QLineEdit *m_search = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QTableView *m_list = nullptr;
    QComboBox *m_verdicts = nullptr;
    QCheckBox *m_withdrawn = nullptr;
    QPushButton *m_correctButton = nullptr;
    std::function<void(const CheckRecord &)> m_correct;
    QLabel *m_where = nullptr;
    QLabel *m_state = nullptr;
    QPushButton *m_print = nullptr;
    class QTimer *m_fetch = nullptr;
    std::unique_ptr<PageSender> m_sender;
};

} // namespace dravino
