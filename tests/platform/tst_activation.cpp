#include "app/myeventfilter.h"
#include "common/debuglines.h"
#include "common/testenvironment.h"
#include "common/xserver.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QQuickItem>
#include <QQuickView>

class ActivationTest : public QObject
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
};

// The X server is up before the application object and stopped after it, so
// the game draws into a real X window.
CIRROVANTA_TEST_MAIN_AFTER(ActivationTest, XServer xserver; if (xserver.running()) qputenv("QT_QPA_PLATFORM", "xcb"))
#include "tst_activation.moc"
