#pragma once

#include <QObject>

#include <chrono>
#include <vector>

class QQuickWindow;

// Watches a window's frames from the render thread and reports on stdout, as
// "probe: key=value" lines, either the first frame (time on the monotonic
// clock and resident memory at that moment) or the pacing of a stretch of
// frames together with the CPU time each thread of the process spent during
// it. The program quits once it has reported.
class FrameProbe : public QObject
{
    Q_OBJECT

public:
    enum class Mode { FirstFrame, Pacing };

    FrameProbe(QQuickWindow *window, Mode mode, double warmUpSeconds = 2.0,
               double windowSeconds = 20.0);

    // Parses "startup" or "pacing [seconds]" from the arguments after the
    // program name; FirstFrame when nothing is given.
    static Mode modeFromArguments(int argc, char *argv[], double *seconds);

private:
    void frameSwapped();
    void reportFirstFrame(qint64 nowNs);
    void reportPacing();
    void finish();

    QQuickWindow *window;
    Mode mode;
    std::chrono::nanoseconds warmUp;
    std::chrono::nanoseconds span;
    bool reported = false;
    qint64 firstFrameNs = 0;
    qint64 windowStartNs = 0;
    qint64 lastFrameNs = 0;
    std::vector<qint64> intervals;
    struct ThreadTime { int tid; QByteArray name; qint64 cpuNs; };
    std::vector<ThreadTime> cpuAtStart;
    qint64 processCpuAtStart = 0;
};
