#pragma once
// The print preview: the page exactly as it would be printed, drawn by the
// same code at the window's resolution, fit to the window or at 100 %,
// with Stampa and Salva come PDF... beside it. Esc closes it.

#include <QDialog>
#include <memory>

class QLabel;
class QPushButton;
class QScrollArea;

namespace dravino {

class PrintSurface;

class PrintPreview final : public QDialog
{
    Q_OBJECT
public:
    // page: a document already ended on it.
    PrintPreview(std::shared_ptr<PrintSurface> page, const QString &what, QWidget *parent);
    Q_DISABLE_COPY_MOVE(PrintPreview)

    // The page as shown now, at the scale chosen.
    QImage shownPage() const;
    double scale() const { return m_scale; }

signals:
    void printRequested();
    void saveRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showAt(double scale);
    void fit();

    std::shared_ptr<PrintSurface> m_page;
    QScrollArea *m_area = nullptr;
    QLabel *m_sheet = nullptr;
    QPushButton *m_fit = nullptr;
    QPushButton *m_actual = nullptr;
    bool m_fitting = true;
    double m_scale = 1;
};

} // namespace dravino
