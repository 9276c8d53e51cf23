// Start-up to the first paint and the first full frame of a window, then
// exit. Built three times: as Dravino's window; as a plain window that
// recreates the same widgets, fonts, texts and pictures from a description
// (DRAVINO_PLAIN, given the file dravino_bench writes); and as an empty
// top-level window of the same size (DRAVINO_BASELINE).

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#if defined(DRAVINO_BASELINE)
#include <QWidget>
#elif defined(DRAVINO_PLAIN)
#include "bench/PlainWindow.h"
#else
#include "ui/frmDravino.h"
#endif

namespace {
double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Prints the milliseconds from the moment given on the command line
// (CLOCK_MONOTONIC, when the parent started this process) to the window's
// first paint event and to the end of that first frame (every child painted
// and the frame handed to the screen), then quits.
class FirstFrame final : public QObject
{
public:
    explicit FirstFrame(double startMs) : m_startMs(startMs) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            const double paint = nowMs() - m_startMs;
            // Runs once the repaint that this paint starts has been flushed.
            QTimer::singleShot(0, qApp, [this, paint] {
                std::printf("%.3f %.3f\n", paint, nowMs() - m_startMs);
                std::fflush(stdout);
                QApplication::quit();
            });
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
    const double startMs = argc > 1 ? std::strtod(argv[1], nullptr) : 0;
    QApplication app(argc, argv);
#if defined(DRAVINO_BASELINE)
    QWidget w;
    w.setFixedSize(528, 398);
#elif defined(DRAVINO_PLAIN)
    PlainWindow w(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
#else
    frmDravino w;
#endif
    // The first paint of what covers the window: Dravino's window itself lies
    // under its scroll area and is never painted; its main panel, which
    // fills its background, is the first to paint.
    FirstFrame filter(startMs);
#if !defined(DRAVINO_BASELINE) && !defined(DRAVINO_PLAIN)
    w.findChild<QWidget *>(QStringLiteral("fraMain"))->installEventFilter(&filter);
#else
    w.installEventFilter(&filter);
#endif
    w.show();
    return QApplication::exec();
}
