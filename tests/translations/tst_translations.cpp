// The German translation: every text of the sources translated.
#include "common/testenvironment.h"

#include <QProcess>
#include <QXmlStreamReader>

#include <QDirIterator>

namespace {

const QString sourceDir = QStringLiteral(CIRROVANTA_SOURCE_DIR);
const QString lupdate = QStringLiteral("/usr/lib/qt6/bin/lupdate");

struct Entry
{
    QString translation;
    QString type;
};

// (context, source) → translation and its type ("" when finished).
QHash<QPair<QString, QString>, Entry> readTs(const QString &path)
{
    QHash<QPair<QString, QString>, Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value("type").toString();
            entries.insert({context, source}, {xml.readElementText(), type});
        }
    }
    return entries;
}

QStringList translatedSources()
{
    QStringList files;
    const auto collect = [&files](const QString &dir, const QStringList &patterns) {
        QDirIterator it(dir, patterns, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    };
    collect(sourceDir + "/src", {"*.cpp", "*.h"});
    collect(sourceDir + "/qml", {"*.qml", "*.js"});
    return files;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

public:
    explicit TestTranslations(TestEnvironment &) {}

private slots:

    void everyTextOfTheSourcesIsTranslated()
    {
        if (!QFileInfo::exists(lupdate))
            QSKIP("lupdate is not installed");
        QTemporaryDir scratch;
        const QString fresh = scratch.filePath("fresh.ts");
        QProcess run;
        run.start(lupdate, QStringList{"-silent", "-I", sourceDir + "/src"} << translatedSources()
                                                                            << "-ts" << fresh);
        QVERIFY(run.waitForFinished(120000));
        QCOMPARE(run.exitCode(), 0);

        const auto shipped = readTs(sourceDir + "/translations/Cirrovanta_de.ts");
        const auto found = readTs(fresh);
        QVERIFY(found.size() > 50);
        QStringList missing;
        for (auto it = found.cbegin(); it != found.cend(); ++it) {
            const auto entry = shipped.constFind(it.key());
            if (entry == shipped.cend() || !entry->type.isEmpty() || entry->translation.isEmpty())
                missing << it.key().first + ": " + it.key().second;
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable("untranslated (run the cirrovanta_lupdate target and translate):\n  "
                            + missing.join("\n  ")));
    }

};

CIRROVANTA_TEST_MAIN(TestTranslations)

#include "tst_translations.moc"
