// The ghost over a real level, in Qt Quick Test (tst_ghost.qml), with a real
// recorder and a best flight kept in a temporary directory.
#include "engine/flightrecorder.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQuickTest>

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *qml)
    {
        qml->addImportPath(QStringLiteral(CIRROVANTA_SOURCE_DIR "/qml"));
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
        auto *recorder = new FlightRecorder(nullptr, this, dir.path());
        // The kept flight: a sample every other frame of 30 a second, the k-th
        // at x = 100 + 6k, y = 400 − k, heading k/100.
        Replay best{"1-FlightSchool/01_straight", true, 900, 30, {}, {}};
        for (int k = 0; k <= 100; ++k)
            best.samples << ReplaySample{qRound(2 * k * 1000 / 30.0), 100.0f + 6 * k, 400.0f - k, k / 100.0f, 60, 1};
        ReplayFile::write(recorder->fileFor(best.level), best);
        qml->rootContext()->setContextProperty("Replays", recorder);
    }

private:
    QTemporaryDir dir;
};

QUICK_TEST_MAIN_WITH_SETUP(ghost, Setup)

#include "tst_ghost.moc"
