// Start-up to the first paint of a window, then exit. Built twice: as
// Dravino's window, and (DRAVINO_BASELINE) as an empty top-level window of
// the same size linking the same Qt modules.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#ifdef DRAVINO_BASELINE
#include <QWidget>
#else
#include "ui/frmDravino.h"
#endif

namespace {
// Prints the milliseconds from the moment given on the command line
// (CLOCK_MONOTONIC, when the parent started this process) to the first
// paint, and quits when the events queued so far are done.
class FirstPaint final : public QObject
{
public:
    explicit FirstPaint(double startMs) : m_startMs(startMs) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%.3f\n", now.tv_sec * 1e3 + now.tv_nsec / 1e6 - m_startMs);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }

private:
    double m_startMs;
    bool m_seen = false;
};
} // namespace

int main(int argc, char *argv[])
{
    const double startMs = argc > 1 ? std::atof(argv[1]) : 0;
    QApplication app(argc, argv);
#ifdef DRAVINO_BASELINE
    QWidget w;
    w.setFixedSize(528, 398);
#else
    frmDravino w;
#endif
    FirstPaint filter(startMs);
    w.installEventFilter(&filter);
    w.show();
    return QApplication::exec();
}
