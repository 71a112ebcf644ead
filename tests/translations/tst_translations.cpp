// The German translation as the player meets it: the .qm found the way the
// program looks it up, every text of the sources translated, the engine's
// warnings and the documents' texts shown in German.
#include "common/scene.h"
#include "common/testenvironment.h"
#include "persistence/settings.h"

#include <QLocale>
#include <QProcess>
#include <QQmlContext>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {

const QString sourceDir = QStringLiteral(CIRROVANTA_SOURCE_DIR);
const QString binaryDir = QStringLiteral(CIRROVANTA_BINARY_DIR);
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

QStringList textsOf(QObject *root)
{
    QStringList texts;
    for (QObject *child : root->findChildren<QObject *>()) {
        const QVariant text = child->property("text");
        if (text.isValid())
            texts << text.toString();
    }
    return texts;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

public:
    explicit TestTranslations(TestEnvironment &) {}

private slots:
    void initTestCase()
    {
        QVERIFY2(german.load(binaryDir + "/Cirrovanta_de.qm"),
                 "the build directory holds no Cirrovanta_de.qm");
        QCoreApplication::installTranslator(&german);
        engine = std::make_unique<GameEngine>(nullptr, &settings);
        engine->setMuted(true);
        qml.rootContext()->setContextProperty(QStringLiteral("GameEngine"), engine.get());
        root = createScene(qml, "import QtQuick\nItem { width: 854; height: 480 }\n");
        QVERIFY(root);
        engine->setRootObject(root.get());
    }

    void cleanupTestCase()
    {
        QCoreApplication::removeTranslator(&german);
    }

    void theGameFindsItsTranslationByLocaleName_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("found");
        QTest::newRow("de_DE falls back to the German file") << "de_DE" << true;
        QTest::newRow("de_AT falls back to the German file") << "de_AT" << true;
        QTest::newRow("de itself") << "de" << true;
        QTest::newRow("fr_FR has no file") << "fr_FR" << false;
    }

    void theGameFindsItsTranslationByLocaleName()
    {
        QFETCH(QString, locale);
        QFETCH(bool, found);
        // As the program does it: the bare name, relative to the working
        // directory, which is the build directory when it runs from there.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(binaryDir);
        QTranslator translator;
        const bool loaded = translator.load("Cirrovanta_" + QLocale(locale).name());
        QDir::setCurrent(previous);
        QCOMPARE(loaded, found);
        if (found)
            QCOMPARE(translator.language(), QStringLiteral("de_DE"));
    }

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

    void theEngineWarnsInGermanDuringAFlight()
    {
        // A real level: the aeroplane put just south of the hill, heading at it,
        // then on the runway. The engine's step shows its warnings on the level.
        const auto level = load("qml/Cirrovanta/Levels/1-FlightSchool/02_turn.qml");
        QVERIFY(level);
        QVERIFY(QMetaObject::invokeMethod(level.get(), "prepare"));
        engine->levelReady();
        engine->findQmlObjects();
        QObject *plane = engine->currentAirplane();
        QVERIFY(plane);
        QVERIFY(!engine->currentObstructions().isEmpty());
        QVERIFY(!engine->currentLandings().isEmpty());
        engine->enableEngineTimer(true);

        const auto step = [this] { deliverTimers(engine.get(), {engine->engineTimer()}); };
        const auto placeCentre = [plane](qreal x, qreal y, qreal heading) {
            QVERIFY(QMetaObject::invokeMethod(plane, "placeAt", Q_ARG(QVariant, x - 28),
                                              Q_ARG(QVariant, y - 28), Q_ARG(QVariant, heading)));
        };

        // The hill's box spans x 520 to 940 and ends at y 860: the aeroplane
        // heads north towards it from just below.
        placeCentre(730, 900, 0);
        step();
        QVERIFY2(textsOf(level.get()).contains(QStringLiteral("WARNUNG! Gelände voraus!")),
                 qPrintable(textsOf(level.get()).join(" | ")));

        // The runway turned by 80° around its middle (1270, 623).
        placeCentre(1270, 623, M_PI);
        step();
        QVERIFY(engine->landingTimer() != 0);
        QVERIFY2(textsOf(level.get()).contains(QStringLiteral("Landung. Bitte anschnallen!")),
                 qPrintable(textsOf(level.get()).join(" | ")));

        engine->enableEngineTimer(false);
        engine->clearQmlObjects();
        engine->levelFinished();
    }

    void documentsShowGermanTexts()
    {
        const auto closing = load("qml/Cirrovanta/Levels/4-StormFront/finalMsg.qml", {{"rank", 4}});
        QVERIFY(closing);
        const QStringList texts = textsOf(closing.get());
        QVERIFY2(texts.contains(QStringLiteral("Sturmfront abgeschlossen!")), qPrintable(texts.join(" | ")));
        QVERIFY2(texts.contains(QStringLiteral("Kapitän")), qPrintable(texts.join(" | ")));

        const auto level = load("qml/Cirrovanta/Levels/1-FlightSchool/01_straight.qml");
        QVERIFY(level);
        QCOMPARE(level->property("title").toString(), QStringLiteral("Geradeaus zur Landebahn"));

        // The names the menus show for groups and levels.
        QQmlComponent titles(&qml);
        titles.setData("import QtQuick\n"
                       "import \"Titles.js\" as Titles\n"
                       "QtObject {\n"
                       "    property string group: Titles.group(\"4-StormFront\", \"\")\n"
                       "    property string level: Titles.level(\"3-MountainPass\", \"04_bowl\", \"\")\n"
                       "}\n",
                       QUrl::fromLocalFile(sourceDir + "/qml/Cirrovanta/Levels/titlesProbe.qml"));
        std::unique_ptr<QObject> names(titles.create());
        QVERIFY2(names, qPrintable(titles.errorString()));
        QCOMPARE(names->property("group").toString(), QStringLiteral("Sturmfront"));
        QCOMPARE(names->property("level").toString(), QStringLiteral("Der Talkessel"));
    }

private:
    std::unique_ptr<QObject> load(const QString &relative, const QVariantMap &initial = {})
    {
        return createItem(qml, sourceDir + "/" + relative, root.get(), initial);
    }

    QTranslator german;
    Settings settings;
    std::unique_ptr<GameEngine> engine;
    QQmlEngine qml;
    std::unique_ptr<QObject> root;
};

CIRROVANTA_TEST_MAIN(TestTranslations)

#include "tst_translations.moc"
