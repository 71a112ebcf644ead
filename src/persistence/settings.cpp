#include "persistence/settings.h"

#include "persistence/storecheck.h"

#include <QSettings>
#include <QtMath>

namespace {

QSettings openStore()
{
    StoreCheck::beforeFirstUse();
    return QSettings(Settings::organisation(), Settings::application());
}

QSettings openStoreForWriting()
{
    StoreCheck::beforeFirstUse();
    StoreCheck::beforeWrite();
    return QSettings(Settings::organisation(), Settings::application());
}

// "0.0f" is the stored default of the calibration keys; it does not convert,
// so an absent angle reads as 0. A pose is a turn of at most half a circle
// either way; anything else (inf, nan, 1e30) would steer the aeroplane off.
float storedAngle(const QSettings &store, const char *key)
{
    const float angle = store.value(QLatin1String(key), QStringLiteral("0.0f")).toFloat();
    return qIsFinite(angle) && qAbs(angle) <= 180.0f ? angle : 0.0f;
}

// Every start stores the mute flag, the volume and the rank back; a value the
// file already holds is left alone, as writing it would rewrite and flush the
// whole file (three times before the first frame). QSettings keeps a float as
// the double it widens to, so that is what is compared.
void storeUnlessHeld(const char *key, const QVariant &value)
{
    const QString asStored = value.typeId() == QMetaType::Float ? QVariant(value.toDouble()).toString()
                                                                 : value.toString();
    {
        const QSettings store = openStore();
        if (!asStored.isEmpty() && store.contains(QLatin1String(key))
            && store.value(QLatin1String(key)).toString() == asStored)
            return;
    }
    openStoreForWriting().setValue(QLatin1String(key), value);
}

} // namespace

Settings::Settings(QObject *parent) : QObject(parent)
{
    StoreCheck::beforeFirstUse();
}

float Settings::volumeLevel(float volume)
{
    // Bands around (3/4)^k for k = 0..8; each gives the level (9 - k) / 9.
    struct Band { double low, high; float level; };
    static const Band bands[] = {
        {0.675, 0.825, 8.0f / 9}, {0.51, 0.61, 7.0f / 9}, {0.38, 0.46, 6.0f / 9},
        {0.29, 0.35, 5.0f / 9},   {0.22, 0.26, 4.0f / 9}, {0.16, 0.2, 3.0f / 9},
        {0.12, 0.14, 2.0f / 9},   {0.09, 0.11, 1.0f / 9},
    };
    const double v = volume;
    if (v > 0.9)
        return 1.0f;
    for (const Band &band : bands) {
        if (v > band.low && v < band.high)
            return band.level;
    }
    return 0.0f;
}

void Settings::loadCorrectionAngle()
{
    const QSettings store = openStore();
    emit correctionAngle(storedAngle(store, "CorrectionAngle_x"),
                         storedAngle(store, "CorrectionAngle_y"),
                         storedAngle(store, "CorrectionAngle_z"));
}

void Settings::saveCorrectionAngle(QVariant anglex, QVariant angley, QVariant anglez)
{
    {
        QSettings store = openStoreForWriting();
        store.setValue("CorrectionAngle_x", anglex);
        store.setValue("CorrectionAngle_y", angley);
        store.setValue("CorrectionAngle_z", anglez);
    }
    loadCorrectionAngle();
}

qreal Settings::audioVolume()
{
    // A volume beyond full scale overdrives the mixer, and inf never plays.
    const qreal volume = openStore().value("AudioVolume", QStringLiteral("0.6")).toReal();
    return qIsFinite(volume) && volume >= 0.0 && volume <= 1.0 ? volume : 0.6;
}

void Settings::setAudioVolume(qreal vol)
{
    const float volume = float(vol);
    storeUnlessHeld("AudioVolume", volume);
    emit audioVolume(volumeLevel(volume));
}

bool Settings::getMute()
{
    return openStore().value("AudioMute", QStringLiteral("false")).toBool();
}

void Settings::setMute(QVariant mute)
{
    storeUnlessHeld("AudioMute", mute);
}

bool Settings::getLevelPassed(QVariant name)
{
    return openStore().value(name.toString() + "_passed", QStringLiteral("false")).toBool();
}

int Settings::getLevelResult(QVariant name)
{
    // A best result is never below 0, the default.
    return qMax(0, openStore().value(name.toString() + "_result", QStringLiteral("0")).toInt());
}

void Settings::setLevelResult(QVariant name, QVariant result)
{
    openStoreForWriting().setValue(name.toString() + "_result", result);
}

void Settings::setLevelPassed(QVariant name, QVariant passed)
{
    openStoreForWriting().setValue(name.toString() + "_passed", passed);
}

int Settings::getPilotRank()
{
    const int rank = openStore().value("pilot_rank", 0).toInt();
    return rank >= 0 && rank <= highestRank ? rank : 0;
}

void Settings::setPilotRank(int rank)
{
    storeUnlessHeld("pilot_rank", rank);
    emit pilotRank(rank);
}

void Settings::reset()
{
    openStoreForWriting().remove(QString());
}
