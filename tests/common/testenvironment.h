#pragma once

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

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

// QTEST_MAIN with the private environment set up first.
#define CIRROVANTA_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TestEnvironment environment;                                                               \
        QGuiApplication app(argc, argv);                                                           \
        TestClass test(environment);                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
