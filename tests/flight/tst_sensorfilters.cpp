#include "common/testenvironment.h"

#include "sensors/accelerometerfilter.h"
#include "sensors/rotationfilter.h"

#include <QAccelerometerReading>
#include <QRotationReading>
#include <QSignalSpy>

#include <cmath>

class SensorFiltersTest : public QObject
{
    Q_OBJECT

public:
    explicit SensorFiltersTest(const TestEnvironment &) {}

private slots:
    void accelerometerReadingIsPassedOnInGameAxes_data();
    void accelerometerReadingIsPassedOnInGameAxes();
    void rotationReadingIsPassedOnWithXNegated_data();
    void rotationReadingIsPassedOnWithXNegated();
    void zeroReadingGivesNegativeZeroInTheMiddle();
    void signalsAreDeclaredAsTheGameExpects();
};

namespace {

void checkFloatArguments(const QList<QVariant> &arguments, float a, float b, float c)
{
    QCOMPARE(arguments.size(), 3);
    for (const QVariant &argument : arguments)
        QCOMPARE(argument.metaType(), QMetaType::fromType<float>());
    QCOMPARE(arguments.at(0).value<float>(), a);
    QCOMPARE(arguments.at(1).value<float>(), b);
    QCOMPARE(arguments.at(2).value<float>(), c);
}

void addReadingRows()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::newRow("1, 2, 3") << 1.0 << 2.0 << 3.0;
    QTest::newRow("lying flat") << 0.0 << 0.0 << 9.80665;
    QTest::newRow("negative values") << -4.5 << -0.25 << -9.0;
}

} // namespace

void SensorFiltersTest::accelerometerReadingIsPassedOnInGameAxes_data()
{
    addReadingRows();
}

void SensorFiltersTest::accelerometerReadingIsPassedOnInGameAxes()
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

void SensorFiltersTest::rotationReadingIsPassedOnWithXNegated_data()
{
    addReadingRows();
}

void SensorFiltersTest::rotationReadingIsPassedOnWithXNegated()
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

void SensorFiltersTest::zeroReadingGivesNegativeZeroInTheMiddle()
{
    AccelerometerFilter filter;
    QSignalSpy acc(&filter, &AccelerometerFilter::accChanged);
    QAccelerometerReading reading;
    QCOMPARE(filter.filter(&reading), false);
    QCOMPARE(acc.count(), 1);
    QVERIFY(!std::signbit(acc.at(0).at(0).value<float>()));
    QVERIFY(std::signbit(acc.at(0).at(1).value<float>()));
    QVERIFY(!std::signbit(acc.at(0).at(2).value<float>()));
}

void SensorFiltersTest::signalsAreDeclaredAsTheGameExpects()
{
    AccelerometerFilter acc;
    const QMetaObject *meta = acc.metaObject();
    QCOMPARE(meta->className(), "AccelerometerFilter");
    const int first = meta->methodOffset();
    QCOMPARE(meta->method(first).methodSignature(), QByteArray("rotationChanged(QVariant,QVariant,QVariant)"));
    QCOMPARE(meta->method(first + 1).methodSignature(), QByteArray("accChanged(QVariant,QVariant,QVariant)"));
    QCOMPARE(meta->method(first + 1).parameterNames(),
             QList<QByteArray>({"degX", "degY", ""}));
    QVERIFY(acc.qt_metacast("QAccelerometerFilter"));

    RotationFilter rotation;
    QCOMPARE(rotation.metaObject()->className(), "RotationFilter");
    QCOMPARE(rotation.metaObject()->methodCount() - rotation.metaObject()->methodOffset(), 1);
}

CIRROVANTA_TEST_MAIN(SensorFiltersTest)
#include "tst_sensorfilters.moc"
