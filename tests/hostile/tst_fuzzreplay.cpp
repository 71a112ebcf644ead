// Runs one fuzz target's checks over its seed corpus and over every input
// that once made it fail, so that the findings stay fixed in the ordinary
// (and the sanitizer) test run without a fuzzer.
#include "common/debuglines.h"

#include <QDir>
#include <QtTest>

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

class FuzzReplayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quiet = std::make_unique<QuietDebug>(); }
    void cleanupTestCase() { quiet.reset(); }

    void everyKnownInputPassesTheTargetsChecks_data()
    {
        QTest::addColumn<QString>("path");
        const QString target = QStringLiteral(FUZZ_TARGET_NAME);
        const QStringList places = {
            QStringLiteral(CIRROVANTA_SOURCE_DIR "/fuzz/corpus/") + target,
            QStringLiteral(CIRROVANTA_SOURCE_DIR "/tests/hostile/fuzz-findings/") + target,
        };
        for (const QString &place : places) {
            const QDir dir(place);
            // A target without findings has no findings directory.
            if (place.contains(QLatin1String("fuzz-findings")) && !dir.exists())
                continue;
            QVERIFY2(dir.exists(), qPrintable(place));
            for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
                QTest::newRow(qPrintable(dir.dirName() == target ? place.section('/', -2) + '/' + name
                                                                 : name))
                    << dir.filePath(name);
        }
    }

    void everyKnownInputPassesTheTargetsChecks()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // The target aborts on a failed check; a sanitizer reports and stops.
        QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                        size_t(bytes.size())),
                 0);
    }

private:
    std::unique_ptr<QuietDebug> quiet;
};

QTEST_GUILESS_MAIN(FuzzReplayTest)
#include "tst_fuzzreplay.moc"
