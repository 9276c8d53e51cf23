#include "ui/printjob/PrintPreview.h"

#include "print/PrintSurface.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPageSize>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace dravino {

PrintPreview::PrintPreview(std::shared_ptr<PrintSurface> page, const QString &what, QWidget *parent)
    : QDialog(parent), m_page(std::move(page))
{
    setObjectName(QStringLiteral("printPreview"));
    setWindowTitle(tr("Anteprima di stampa") + QStringLiteral(" - ") + what);
    setAccessibleName(windowTitle());
    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("previewArea"));
    m_area->setAlignment(Qt::AlignCenter);
    m_area->setBackgroundRole(QPalette::Dark);
    m_sheet = new QLabel;
    m_sheet->setObjectName(QStringLiteral("previewPage"));
    m_sheet->setAccessibleName(tr("Pagina: %1").arg(what));
    m_area->setWidget(m_sheet);

    m_fit = new QPushButton(tr("Adatta alla finestra"), this);
    m_fit->setObjectName(QStringLiteral("previewFit"));
    m_actual = new QPushButton(tr("100 %"), this);
    m_actual->setObjectName(QStringLiteral("previewActualSize"));
    m_actual->setAccessibleName(tr("Dimensione reale"));
    auto *print = new QPushButton(tr("Stampa"), this);
    print->setObjectName(QStringLiteral("previewPrint"));
    auto *save = new QPushButton(tr("Salva come PDF..."), this);
    save->setObjectName(QStringLiteral("previewSave"));
    auto *close = new QPushButton(tr("Chiudi"), this);
    close->setObjectName(QStringLiteral("previewClose"));
    for (auto *b : {m_fit, m_actual, print, save, close})
        b->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_fit);
    buttons->addWidget(m_actual);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_area);

    connect(m_fit, &QPushButton::clicked, this, [this] {
        m_fitting = true;
        fit();
    });
    connect(m_actual, &QPushButton::clicked, this, [this] {
        m_fitting = false;
        showAt(1);
    });
    connect(print, &QPushButton::clicked, this, &PrintPreview::printRequested);
    connect(save, &QPushButton::clicked, this, &PrintPreview::saveRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // Room for a whole page at about two thirds of its size, within the screen.
    const QRect avail = screen() ? screen()->availableGeometry() : QRect(0, 0, 800, 600);
    resize(QSize(620, 860).boundedTo(avail.size() * 0.9));
    fit();
}

void PrintPreview::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_fitting)
        fit();
}

void PrintPreview::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The page fits the window as it is laid out now.
    if (m_fitting)
        fit();
}

void PrintPreview::fit()
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Inch) * logicalDpiX();
    const QSize room = m_area->viewport()->size() - QSize(8, 8);
    showAt(std::max(0.1, std::min(room.width() / a4.width(), room.height() / a4.height())));
}

void PrintPreview::showAt(double scale)
{
    m_scale = scale;
    // Drawn at the screen's own pixels, sharp at any scaling.
    const double ratio = devicePixelRatioF();
    QImage image = m_page->render(logicalDpiX() * scale * ratio);
    image.setDevicePixelRatio(ratio);
    m_sheet->setPixmap(QPixmap::fromImage(image));
    m_sheet->resize(m_sheet->sizeHint());
    m_fit->setEnabled(!m_fitting);
    m_actual->setEnabled(m_fitting || scale != 1);
}

QImage PrintPreview::shownPage() const { return m_sheet->pixmap().toImage(); }

} // namespace dravino
