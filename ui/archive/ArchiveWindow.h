#pragma once
// "Archivio prove": the scale checks recorded, newest first, found by part
// of the sensor's code and a date range; a record opens as the sheet it
// produced (the print preview, with Stampa and Salva come PDF...); the
// records selected go to a CSV file; a record can be deleted after a
// confirmation. F4 from any panel, or the scale sheet's print menu. The
// archive answers on its own thread: a line under the list says when a
// search is under way and why the archive could not be read.

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "ui/archive/ArchiveService.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace dravino {

class ArchiveService;
class PageSender;
class Platform;

class ArchiveWindow final : public QDialog
{
    Q_OBJECT
public:
    ArchiveWindow(Platform &platform, std::function<ArchiveService *()> archive, QWidget *parent);
    ~ArchiveWindow() override;
    Q_DISABLE_COPY_MOVE(ArchiveWindow)

    // Reads the archive again with the search as it stands; the list shows
    // the answer to the latest search.
    void refresh();
    void openSelected();
    void exportSelected();
    void deleteSelected();

private:
    // The list's columns, and the CSV's first ones.
    static QStringList headings();
    QList<qint64> selectedIds() const;
    std::optional<CheckRecord> selectedRecord() const;

    Platform &m_platform;
    void showFound(const ArchiveReply &reply);
    std::function<ArchiveService *()> m_archive;
    QList<CheckRecord> m_records; // as listed
    quint64 m_searches = 0;
    QLineEdit *m_search = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QTableWidget *m_list = nullptr;
    QLabel *m_state = nullptr;
    QPushButton *m_print = nullptr;
    std::unique_ptr<PageSender> m_sender;
};

// The sheet a record produced, as it was printed.
void printRecordedSheet(class PrintSurface &surface, const CheckRecord &record);

} // namespace dravino
