// The game on the platform it runs on: a real X window whose focus real X
// requests move, and a phone's feedback profile served on the session bus.
#include "app/fontwarmup.h"
#include "app/myeventfilter.h"
#include "audio/caudiomixer.h"
#include "audio/cinvsounds.h"
#include "common/debuglines.h"
#include "common/testenvironment.h"
#include "common/xserver.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QQuickItem>
#include <QQuickView>
#include <QSaveFile>
#include <QThread>

// feedbackd as far as the game sees it: the Profile property and its change
// signal. It has its own bus connection and thread, so the game reaches it
// through the bus daemon like any other program.
class FakeFeedbackd : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.sigxcpu.Feedback")
    Q_PROPERTY(QString Profile MEMBER profile)

public:
    QString profile;
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "feedbackd");
    QThread thread;

    bool start(const QString &initial)
    {
        profile = initial;
        moveToThread(&thread);
        thread.start();
        return bus.registerObject("/org/sigxcpu/Feedback", this,
                                  QDBusConnection::ExportAllProperties)
               && bus.registerService("org.sigxcpu.Feedback");
    }
    void setProfile(const QString &name) // only while no Get can be under way
    {
        profile = name;
        QDBusMessage changed = QDBusMessage::createSignal(
            "/org/sigxcpu/Feedback", "org.freedesktop.DBus.Properties", "PropertiesChanged");
        changed << "org.sigxcpu.Feedback" << QVariantMap{{"Profile", name}} << QStringList();
        bus.send(changed);
    }
    ~FakeFeedbackd() override
    {
        thread.quit();
        thread.wait();
    }
};

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    // The game and another program on one display; the focus moves between
    // them by real X requests, as a window manager would move it.
    void leavingTheGameAndComingBackPausesAFlyingLevelEachTime()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("no X server could be started");
        QTemporaryFile scene(QDir::tempPath() + "/sceneXXXXXX.qml");
        QVERIFY(scene.open() && scene.write("import QtQuick\nItem { width: 300; height: 200\n"
                                            " function pauseGame(on) {}\n Item { objectName: "
                                            "'gameLevel'; property int pauses; function "
                                            "pauseGame(on) { pauses++ } } }") && scene.flush());
        QQuickView view(QUrl::fromLocalFile(scene.fileName()));
        QObject *level = view.rootObject()->findChild<QObject *>("gameLevel");
        Settings settings;
        QuietDebug quiet;
        GameEngine engine(&view, &settings);
        engine.setRootObject(view.rootObject());
        engine.levelReady();
        engine.gameLoaded();
        engine.enableEngineTimer(true);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        engine.connectEventFilter();

        QProcess other;
        other.start("xmessage", {"-geometry", "+600+400", "another program"});
        const QString otherWindow = xdotool({"search", "--sync", "--class", "Xmessage"});
        const QString gameWindow = QString::number(quint64(view.winId()));
        xdotool({"windowfocus", "--sync", gameWindow});
        QTRY_VERIFY(view.isActive());

        DebugLines lines;
        const int pausesBefore = level->property("pauses").toInt();
        auto *filter = engine.findChild<MyEventFilter *>();
        QSignalSpy changes(filter, &MyEventFilter::activationChangeFiltered);
        for (int round = 1; round <= 4; ++round) {
            xdotool({"windowfocus", "--sync", otherWindow});
            QTRY_COMPARE(changes.size(), 2 * round - 1);
            xdotool({"windowfocus", "--sync", gameWindow});
            QTRY_COMPARE(changes.size(), 2 * round);
        }
        QTest::qWait(300); // room for a late duplicate
        QCOMPARE(lines.lines().count("ActivationChangeFiltered()"), 8);
        QCOMPARE(level->property("pauses").toInt() - pausesBefore, 8);
        other.kill();
        other.waitForFinished();
    }

    // Needs a session bus, as the test command gives it. The phone's profile
    // switched while the game runs; the player's mute
    // choice stays the player's. The sound bank plays at the stored volume
    // (0.6 by default) only when neither silences it.
    void theGameFollowsThePhonesSilentProfile()
    {
        Settings settings;
        GameEngine engine(nullptr, &settings);
        const GE::CAudioMixer *mixer = engine.soundBank()->mixer();
        QVERIFY(!engine.isSilent()); // no feedbackd: a desktop is never silent

        FakeFeedbackd feedbackd;
        QVERIFY(feedbackd.start("silent")); // the service appears already silent
        QTRY_VERIFY(engine.isSilent());

        const float on = 614 / 1024.0f; // 0.6 in the mixer's fixed point (x1024)
        struct Step { const char *profile; bool mute; bool silent; float volume; };
        const Step steps[] = {
            {"quiet", false, false, on}, {"silent", false, true, 0},
            {"silent", true, true, 0},  {"full", true, false, 0}, // muted stays off
            {"silent", true, true, 0},  {"silent", false, true, 0}, // silent stays off
            {"quiet", false, false, on}, {"full", true, false, 0},
            {"full", false, false, on}, {"silent", false, true, 0}};
        for (const Step &step : steps) {
            engine.setMuted(step.mute);
            feedbackd.setProfile(step.profile);
            QTRY_COMPARE(engine.isSilent(), step.silent);
            QCOMPARE(mixer->generalVolume(), step.volume);
        }

        // Started while the phone is silent, the game starts silent.
        GameEngine second(nullptr, &settings);
        QVERIFY(second.isSilent());
        // Started as the program starts it, the bus is asked after the first
        // frame: the title's music, asked for before, waits for the answer.
        const auto titleMusic = [&settings] { // playing before, and after start-up
            GameEngine game(nullptr, &settings, GameEngine::StartUp::WhenAsked);
            game.playMusic(int(CInvSounds::MainTheme));
            const int before = game.soundBank()->playingMusic();
            game.finishStartUp();
            return std::pair{before, game.soundBank()->playingMusic()};
        };
        QCOMPARE(titleMusic(), std::pair(-1, -1));

        // The service goes away: nothing keeps the game silent.
        feedbackd.bus.unregisterService("org.sigxcpu.Feedback");
        QTRY_VERIFY(!engine.isSilent());
        QCOMPARE(mixer->generalVolume(), on);
        QCOMPARE(titleMusic(), std::pair(-1, int(CInvSounds::MainTheme)));
    }

    // The fonts of the texts on the first screen are listed in the cache
    // directory for the next start, which opens them while its documents load.
    void theFirstScreensFontsAreListedForTheNextStart()
    {
        QTemporaryDir cache;
        qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
        QTemporaryFile scene(QDir::tempPath() + "/fontsXXXXXX.qml");
        QVERIFY(scene.open() && scene.write("import QtQuick\nColumn { property alias shown: b.visible\n"
                                            " Text { text: 'A'; font.pixelSize: 30; font.bold: true }\n"
                                            " Text { id: b; text: 'B'; font.pixelSize: 17 }\n"
                                            " Text { text: 'C'; font.pixelSize: 40; visible: false } }")
                && scene.flush());
        // Not shown: what is listed follows the items' visibility, not the window's.
        QQuickView view(QUrl::fromLocalFile(scene.fileName()));
        const auto list = [] {
            QFile file(FontWarmUp::fontListPath());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const auto listed = [&list] { // each line as (pixel size, bold)
            QList<std::pair<int, bool>> fonts;
            for (const QByteArray &line : list().split('\n')) {
                QFont font;
                fonts.append(font.fromString(line) ? std::pair(font.pixelSize(), font.bold()) : std::pair(0, false));
            }
            return fonts;
        };
        using Fonts = QList<std::pair<int, bool>>;
        FontWarmUp::rememberFonts(view);
        QCOMPARE(listed(), Fonts({{30, true}, {17, false}})); // the hidden text's is not needed

        // A damaged list is read as far as it makes sense, and an unchanged
        // one is not written again: the damage stays until the fonts change.
        const QByteArray damaged = list() + "\nnot a font\nSans,-1,99999,5,400,0,0,0,0,0";
        QSaveFile file(FontWarmUp::fontListPath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(damaged) > 0 && file.commit());
        FontWarmUp::openLastFonts();
        FontWarmUp::rememberFonts(view);
        QCOMPARE(list(), damaged);
        view.rootObject()->setProperty("shown", false);
        FontWarmUp::rememberFonts(view);
        QCOMPARE(listed(), Fonts({{30, true}}));
    }
};

// The X server is up before the application object and stopped after it, so
// the game draws into a real X window.
CIRROVANTA_TEST_MAIN_AFTER(PlatformTest, XServer xserver; if (xserver.running()) qputenv("QT_QPA_PLATFORM", "xcb"))
#include "tst_platform.moc"
