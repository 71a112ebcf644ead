#include "app/myeventfilter.h"
#include "common/debuglines.h"
#include "common/testenvironment.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"
#include "platform/xserver.h"

#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>

namespace {

const char *const scene = R"(
import QtQuick
Rectangle {
    width: 300; height: 200; color: "steelblue"
    property int pauses: 0
    function pauseGame(on) { if (on) pauses++ }
    Item { objectName: "gameLevel"; property int pauses: 0; function pauseGame(on) { if (on) pauses++ } }
}
)";

// Runs an X client to its end and gives its output.
QByteArray x11(const QStringList &arguments, const QString &program = QStringLiteral("xdotool"))
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return process.readAllStandardOutput().trimmed();
}

} // namespace

class ActivationTest : public QObject
{
    Q_OBJECT

public:
    explicit ActivationTest(const TestEnvironment &) {}

private slots:
    // The game and another program on one X display; the focus goes back and
    // forth by real X requests, as a window manager would move it.
    void leavingTheGameAndComingBackPausesAFlyingLevelEachTime()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("no X server could be started");
        QQuickView view;
        QTemporaryFile file(QDir::tempPath() + "/activationXXXXXX.qml");
        QVERIFY(file.open());
        file.write(scene);
        file.close();
        view.setSource(QUrl::fromLocalFile(file.fileName()));
        QObject *root = view.rootObject();
        QVERIFY(root);
        QObject *level = root->findChild<QObject *>("gameLevel");

        Settings settings;
        QuietDebug quiet;
        GameEngine engine(&view, &settings);
        engine.setRootObject(root);
        engine.levelReady();
        engine.gameLoaded();
        engine.enableEngineTimer(true);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        engine.connectEventFilter();

        QProcess other;
        other.start(QStringLiteral("xmessage"), {"-geometry", "+600+400", "another program"});
        const QByteArray otherWindow =
            x11({"search", "--sync", "--onlyvisible", "--class", "Xmessage"}).split('\n').first();
        QVERIFY(!otherWindow.isEmpty());
        const QByteArray gameWindow = QByteArray::number(quint64(view.winId()));

        x11({"windowfocus", "--sync", gameWindow});
        QTRY_VERIFY(view.isActive());
        QTest::qWait(300);

        DebugLines lines;
        QSignalSpy changes(engine.findChild<MyEventFilter *>(), &MyEventFilter::activationChangeFiltered);
        const int pausesBefore = level->property("pauses").toInt();
        for (int round = 1; round <= 4; ++round) {
            x11({"windowfocus", "--sync", otherWindow});
            QTRY_VERIFY(!view.isActive());
            QTRY_COMPARE(changes.size(), 2 * round - 1);
            x11({"windowfocus", "--sync", gameWindow});
            QTRY_VERIFY(view.isActive());
            QTRY_COMPARE(changes.size(), 2 * round);
        }
        QTest::qWait(300); // a late duplicate would show up here
        QCOMPARE(changes.size(), 8);
        QCOMPARE(lines.lines().count(QStringLiteral("ActivationChangeFiltered()")), 8);
        QCOMPARE(level->property("pauses").toInt() - pausesBefore, 8);
        other.kill();
        other.waitForFinished();
    }
};

CIRROVANTA_TEST_MAIN_AFTER(ActivationTest, XServer xserver)
#include "tst_activation.moc"
