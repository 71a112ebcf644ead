// Ten thousand effects started at once with no sound device: the output
// thread pulls them at the real-time rate and the mixer lets every one go
// once it has played out.
#include "audio/audioout.h"
#include "audio/caudiomixer.h"
#include "audio/cinvsounds.h"
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QtEndian>

#include <limits>
#include <unistd.h>

namespace {

// 20 ms of 22050 Hz mono 16-bit silence with a click.
QByteArray tinyWav()
{
    QByteArray data(441 * 2, '\0');
    qToLittleEndian<qint16>(qint16(12000), data.data() + 100);
    const auto le16 = [](int v) { QByteArray b(2, '\0'); qToLittleEndian<qint16>(qint16(v), b.data()); return b; };
    const auto le32 = [](quint32 v) { QByteArray b(4, '\0'); qToLittleEndian<quint32>(v, b.data()); return b; };
    const QByteArray fmt = le16(1) + le16(1) + le32(22050) + le32(44100) + le16(2) + le16(16);
    const QByteArray chunks = "fmt " + le32(16) + fmt + "data" + le32(quint32(data.size())) + data;
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

void swallowDebug(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg)
        qt_message_output(type, context, message);
}

} // namespace

class SoundFloodTest : public QObject
{
    Q_OBJECT

public:
    explicit SoundFloodTest(const TestEnvironment &) {}

private slots:
    // The master volume comes from the settings file, which may hold
    // anything; out of range it saturates instead of overflowing.
    void absurdMasterVolumesSaturate_data()
    {
        QTest::addColumn<float>("volume");
        QTest::addColumn<int>("fixed");
        QTest::newRow("0.5") << 0.5f << 512;
        QTest::newRow("-1") << -1.0f << -1024;
        QTest::newRow("1e12") << 1e12f << 1073741824;
        QTest::newRow("-1e12") << -1e12f << -1073741824;
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << 1073741824;
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 0;
    }
    void absurdMasterVolumesSaturate()
    {
        QFETCH(float, volume);
        QFETCH(int, fixed);
        GE::CAudioMixer mixer;
        mixer.setGeneralVolume(volume);
        QCOMPARE(mixer.fixedGeneralVolumeValue(), fixed);
    }

    void tenThousandEffectsLeaveNoSourceBehind()
    {
        // Every sound of the bank is the tiny one; the bank finds them
        // relative to the working directory.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath("sounds"));
        const QStringList names = {"S_air1", "S_air2", "S_alarm", "S_warning", "S_click_button",
                                   "S_click_page", "S_explode", "S_fanfare", "S_clapping_short",
                                   "S_main_sound_low", "S_drumsandbass", "S_air3", "S_wrong_beep",
                                   "S_sonar", "S_bass_3", "S_bass_5", "S_bass_6", "S_bass_8",
                                   "S_bass_7_1", "S_clapping", "S_bump"};
        for (const QString &name : names) {
            QFile file(dir.filePath("sounds/" + name + ".wav"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(tinyWav());
        }
        const QString previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));

        Settings settings;
        GameEngine engine(nullptr, &settings);
        GE::CAudioMixer *mixer = engine.soundBank()->mixer();
        QVERIFY(engine.soundBank()->bufferAt(0));
        QTRY_VERIFY(engine.soundBank()->outputThread()->isRunning());
        QVERIFY(!engine.soundBank()->outputThread()->hasDevice());

        const QtMessageHandler previous = qInstallMessageHandler(swallowDebug);
        int peak = 0;
        for (int i = 0; i < 10000; ++i) {
            engine.playSound(i % 21);
            if (i % 1000 == 999)
                peak = qMax(peak, mixer->audioSourceCount());
        }
        qInstallMessageHandler(previous);
        qInfo("10000 effects started, %d sources at the most counted", peak);
        QVERIFY(peak > 0);
        QTRY_COMPARE_WITH_TIMEOUT(mixer->audioSourceCount(), 0, 30000);
        QVERIFY(QDir::setCurrent(previousDir));
    }
};

int main(int argc, char *argv[])
{
    // No sound server: the output thread discards at the real-time rate.
    qunsetenv("PULSE_SERVER");
    TestEnvironment environment;
    QGuiApplication app(argc, argv);
    SoundFloodTest test(environment);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soundflood.moc"
