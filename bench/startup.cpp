// Start-up to the first paint of a window, then exit. Built twice: as
// Dravino's window, and (DRAVINO_BASELINE) as an empty top-level window of
// the same size linking the same Qt modules.

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QTimer>
#include <cstdio>

#ifdef DRAVINO_BASELINE
#include <QWidget>
#else
#include "ui/frmDravino.h"
#endif

namespace {
class FirstPaint final : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }

private:
    bool m_seen = false;
};
} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
#ifdef DRAVINO_BASELINE
    // Keep PrintSupport loaded, as the program has it.
    [[maybe_unused]] volatile auto keep = &QPrinterInfo::availablePrinterNames;
    QWidget w;
    w.setFixedSize(528, 398);
#else
    frmDravino w;
#endif
    FirstPaint filter;
    w.installEventFilter(&filter);
    w.show();
    const int rc = QApplication::exec();
    std::printf("%.3f\n", clock.nsecsElapsed() / 1e6);
    return rc;
}
