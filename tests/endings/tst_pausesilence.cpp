// Pausing a flight silences the real sound server: the flight music, recorded
// from the null sink's monitor, stops while the sounds are held and comes back.
#include "app/gamesettings.h"
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

class PauseSilence : public QObject
{
    Q_OBJECT

private slots:
    void heldSoundsFallSilentAndComeBack()
    {
        QDir::setCurrent(QStringLiteral(CIRROVANTA_SOURCE_DIR)); // the game's sounds/
        Settings settings;
        GameEngine engine(nullptr, &settings);
        GameSettings gameSettings(&settings, &engine);
        engine.playMusic(10);
        QTRY_VERIFY_WITH_TIMEOUT(loudness(600) > 100, 20000); // once the output runs
        gameSettings.holdSounds(true);
        const double held = loudness(2000); // after what the server had queued
        QVERIFY2(held < 2, qPrintable(QString::number(held)));
        gameSettings.holdSounds(false);
        QTRY_VERIFY_WITH_TIMEOUT(loudness(600) > 100, 20000);
    }

private:
    // RMS (16-bit scale) of the second half of a recording of the sink's monitor.
    static double loudness(int ms)
    {
        QProcess parec;
        parec.start("parec", {"-d", "null.monitor", "--format=s16le", "--rate=22050", "--channels=2", "--raw"});
        QTest::qWait(ms);
        parec.terminate();
        parec.waitForFinished(5000);
        const QByteArray raw = parec.readAllStandardOutput();
        const auto *s = reinterpret_cast<const qint16 *>(raw.constData());
        const qsizetype n = raw.size() / 2;
        double sum = 0;
        for (qsizetype i = n / 2; i < n; ++i)
            sum += double(s[i]) * s[i];
        return qSqrt(sum / double(qMax<qsizetype>(1, n - n / 2)));
    }
};

CIRROVANTA_TEST_MAIN_AFTER(PauseSilence, keepCallersSoundServer())

#include "tst_pausesilence.moc"
