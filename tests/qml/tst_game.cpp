// The player's game over the real documents: a real GameEngine, Settings and
// GameSettings behind qml/Cirrovanta/main.qml (common/gameharness.h), with a
// private settings store and runtime directory. Any QML runtime fault fails
// the run.
#include "common/gameharness.h"

#include <QtQuickTest>

int main(int argc, char **argv)
{
    QTEST_SET_MAIN_SOURCE_PATH
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    GameSetup setup;
    const int failed = quick_test_main_with_setup(argc, argv, "game", QUICK_TEST_SOURCE_DIR, &setup);
    for (const QString &fault : std::as_const(GameSetup::qmlFaults))
        fprintf(stderr, "FAIL: QML runtime warning: %s\n", qPrintable(fault));
    return failed ? failed : int(GameSetup::qmlFaults.size());
}
