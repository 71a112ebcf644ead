#include "persistence/settings.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace {

// A process killed while it was taking the store's lock leaves an empty (or
// half-written) lock file, and Qt waits until such a file is 30 s old before
// it writes again, freezing the game meanwhile. A live writer fills in its
// lock file at once, so one that is still unreadable after a moment is
// abandoned and goes before the first use of the store.
void removeAbandonedLock(const QString &storeFile)
{
    const QString lockFile = storeFile + QLatin1String(".lock");
    const QFileInfo info(lockFile);
    if (!info.exists())
        return;
    qint64 pid = 0;
    QString host;
    QString application;
    if (QLockFile(lockFile).getLockInfo(&pid, &host, &application))
        return; // complete: Qt itself knows whether its owner still runs
    if (info.lastModified().msecsTo(QDateTime::currentDateTime()) > 100)
        QFile::remove(lockFile);
}

QSettings openStore()
{
    static const bool lockChecked = [] {
        removeAbandonedLock(QSettings(Settings::organisation(), Settings::application()).fileName());
        return true;
    }();
    Q_UNUSED(lockChecked);
    return QSettings(Settings::organisation(), Settings::application());
}

// "0.0f" is the stored default of the calibration keys; it does not convert,
// so an absent angle reads as 0.
float storedAngle(const QSettings &store, const char *key)
{
    return store.value(QLatin1String(key), QStringLiteral("0.0f")).toFloat();
}

} // namespace

Settings::Settings(QObject *parent) : QObject(parent) {}

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
        QSettings store = openStore();
        store.setValue("CorrectionAngle_x", anglex);
        store.setValue("CorrectionAngle_y", angley);
        store.setValue("CorrectionAngle_z", anglez);
    }
    loadCorrectionAngle();
}

qreal Settings::audioVolume()
{
    return openStore().value("AudioVolume", QStringLiteral("0.6")).toReal();
}

void Settings::setAudioVolume(qreal vol)
{
    const float volume = float(vol);
    openStore().setValue("AudioVolume", volume);
    emit audioVolume(volumeLevel(volume));
}

bool Settings::getMute()
{
    return openStore().value("AudioMute", QStringLiteral("false")).toBool();
}

void Settings::setMute(QVariant mute)
{
    openStore().setValue("AudioMute", mute);
}

bool Settings::getLevelPassed(QVariant name)
{
    return openStore().value(name.toString() + "_passed", QStringLiteral("false")).toBool();
}

int Settings::getLevelResult(QVariant name)
{
    return openStore().value(name.toString() + "_result", QStringLiteral("0")).toInt();
}

void Settings::setLevelResult(QVariant name, QVariant result)
{
    openStore().setValue(name.toString() + "_result", result);
}

void Settings::setLevelPassed(QVariant name, QVariant passed)
{
    openStore().setValue(name.toString() + "_passed", passed);
}

int Settings::getPilotRank()
{
    return openStore().value("pilot_rank", 0).toInt();
}

void Settings::setPilotRank(int rank)
{
    openStore().setValue("pilot_rank", rank);
    emit pilotRank(rank);
}

void Settings::reset()
{
    openStore().remove(QString());
}
