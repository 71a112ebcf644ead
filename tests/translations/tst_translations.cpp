// The German translation: every text of the sources translated. lupdate
// brings a copy of the shipped file up to date with the sources; a text it
// had to add, or one left empty, shows as unfinished.
#include "common/testenvironment.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextOfTheSourcesIsTranslated()
    {
        const QString lupdate = QStringLiteral("/usr/lib/qt6/bin/lupdate");
        if (!QFileInfo::exists(lupdate))
            QSKIP("lupdate is not installed");
        QStringList arguments{"-silent", "-no-obsolete", "-locations", "none", "-I", CIRROVANTA_SOURCE_DIR "/src"};
        for (const auto &[dir, patterns] : {std::pair{"/src", QStringList{"*.cpp", "*.h"}}, {"/qml", {"*.qml", "*.js"}}})
            for (QDirIterator it(CIRROVANTA_SOURCE_DIR + QString(dir), patterns, QDir::Files, QDirIterator::Subdirectories);
                 it.hasNext();)
                arguments << it.next();
        QTemporaryDir scratch;
        const QString copy = scratch.filePath("Cirrovanta_de.ts");
        QVERIFY(QFile::copy(CIRROVANTA_SOURCE_DIR "/translations/Cirrovanta_de.ts", copy));
        QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QProcess run;
        run.start(lupdate, arguments << "-ts" << copy);
        QVERIFY(run.waitForFinished(120000));
        QCOMPARE(run.exitCode(), 0);

        QFile updated(copy);
        QVERIFY(updated.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(updated.readAll());
        QVERIFY(text.count("<message>") > 50);
        static const QRegularExpression unfinished(R"(<source>(.*?)</source>\s*<translation type="unfinished")");
        QStringList missing;
        for (const auto &match : unfinished.globalMatch(text))
            missing << match.captured(1);
        QVERIFY2(!text.contains(R"(type="unfinished")"), qPrintable("untranslated (run the cirrovanta_lupdate target and translate):\n  "
                                               + missing.join("\n  ")));
    }
};

CIRROVANTA_TEST_MAIN(TestTranslations)

#include "tst_translations.moc"
