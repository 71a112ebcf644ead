#include "common/testenvironment.h"

#include "sensors/accelerometerfilter.h"
#include "sensors/rotationfilter.h"

#include <QAccelerometerReading>
#include <QRotationReading>
#include <QSignalSpy>

#include <cmath>

namespace {

void checkFloatArguments(const QList<QVariant> &arguments, float a, float b, float c)
{
    QCOMPARE(arguments.size(), 3);
    for (const QVariant &argument : arguments)
        QCOMPARE(argument.metaType(), QMetaType::fromType<float>());
    // Compared bit for bit: a zero reading passes on -0 where x is negated.
    const float expected[] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        const float got = arguments.at(i).value<float>();
        QCOMPARE(got, expected[i]);
        QCOMPARE(std::signbit(got), std::signbit(expected[i]));
    }
}

void addReadingRows()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::newRow("1, 2, 3") << 1.0 << 2.0 << 3.0;
    QTest::newRow("zero") << 0.0 << 0.0 << 0.0;
    QTest::newRow("lying flat") << 0.0 << 0.0 << 9.80665;
    QTest::newRow("negative values") << -4.5 << -0.25 << -9.0;
}

} // namespace

class SensorFiltersTest : public QObject
{
    Q_OBJECT

public:
    explicit SensorFiltersTest(const TestEnvironment &) {}

private slots:
    void accelerometerReadingIsPassedOnInGameAxes_data()
    {
        addReadingRows();
    }

    void accelerometerReadingIsPassedOnInGameAxes()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, z);
        AccelerometerFilter filter;
        QSignalSpy acc(&filter, &AccelerometerFilter::accChanged);
        QSignalSpy rotation(&filter, &AccelerometerFilter::rotationChanged);
        QAccelerometerReading reading;
        reading.setX(x);
        reading.setY(y);
        reading.setZ(z);

        QCOMPARE(filter.filter(&reading), false);
        QCOMPARE(acc.count(), 1);
        QCOMPARE(rotation.count(), 0);
        checkFloatArguments(acc.at(0), float(y), float(-x), float(z));

        QCOMPARE(filter.filter(&reading), false);
        QCOMPARE(acc.count(), 2);
    }

    void rotationReadingIsPassedOnWithXNegated_data()
    {
        addReadingRows();
    }

    void rotationReadingIsPassedOnWithXNegated()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, z);
        RotationFilter filter;
        QSignalSpy rotation(&filter, &RotationFilter::rotationChanged);
        QRotationReading reading;
        reading.setFromEuler(x, y, z);

        QCOMPARE(filter.filter(&reading), false);
        QCOMPARE(rotation.count(), 1);
        checkFloatArguments(rotation.at(0), float(-x), float(y), float(z));
    }

    void startUpConnectsToTheReadingSignalByName()
    {
        AccelerometerFilter filter;
        QVERIFY(filter.metaObject()->indexOfSignal("accChanged(QVariant,QVariant,QVariant)") >= 0);
    }
};

CIRROVANTA_TEST_MAIN(SensorFiltersTest)
#include "tst_sensorfilters.moc"
