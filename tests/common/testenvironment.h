#pragma once

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <type_traits>

// Gives a test process its own settings store and runtime directory before
// Qt reads either, so no test touches the user's files or another test's.
class TestEnvironment
{
public:
    TestEnvironment()
    {
        QDir(root.path()).mkpath("config");
        QDir(root.path()).mkpath("runtime");
        QFile::setPermissions(root.filePath("runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                  | QFileDevice::ExeOwner);
        qputenv("XDG_CONFIG_HOME", configDir().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", root.filePath("runtime").toLocal8Bit());
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QString configDir() const { return root.filePath("config"); }
    QString settingsFile() const { return configDir() + "/Velmoran/QtCirrovanta.conf"; }

private:
    QTemporaryDir root;
};

// A test class takes the environment when it wants to know its paths.
template <typename TestClass>
TestClass makeTest(TestEnvironment &environment)
{
    if constexpr (std::is_constructible_v<TestClass, TestEnvironment &>)
        return TestClass(environment);
    else
        return TestClass();
}

// QTEST_MAIN with the private environment set up first, after the given
// statement (which may choose the sound server, say).
#define CIRROVANTA_TEST_MAIN_AFTER(TestClass, prepare)                                            \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        prepare;                                                                                   \
        TestEnvironment environment;                                                               \
        QGuiApplication app(argc, argv);                                                           \
        TestClass test = makeTest<TestClass>(environment);                                        \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#define CIRROVANTA_TEST_MAIN(TestClass) CIRROVANTA_TEST_MAIN_AFTER(TestClass, (void)0)

// The environment replaces XDG_RUNTIME_DIR: keep the sound server the caller's
// runtime directory points at (the test command starts a null sink there).
inline void keepCallersSoundServer()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER") && !runtime.isEmpty()
        && QFile::exists(QString::fromLocal8Bit(runtime) + "/pulse/native"))
        qputenv("PULSE_SERVER", "unix:" + runtime + "/pulse/native");
}
