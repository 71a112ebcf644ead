#pragma once

#include <QObject>
#include <QVariant>

// What survives between runs: volume, mute, tilt calibration, pilot rank and
// per-level results. Holds nothing itself: every operation opens the store
// afresh, so any number of Settings objects see the same values.
class Settings : public QObject
{
    Q_OBJECT

public:
    explicit Settings(QObject *parent = nullptr);

    static QString organisation() { return QStringLiteral("Velmoran"); }
    static QString application() { return QStringLiteral("QtCirrovanta"); }

    // Cadet (0) up to captain (4); a stored rank outside reads as a cadet's.
    static constexpr int highestRank = 4;

    // The level (0 or a multiple of one ninth) that the scene shows for a volume.
    static float volumeLevel(float volume);

    void loadCorrectionAngle();

signals:
    void correctionAngle(QVariant angleX, QVariant angleY, QVariant angleZ);
    void audioVolume(QVariant level);
    void pilotRank(QVariant rank);

public slots:
    void saveCorrectionAngle(QVariant anglex, QVariant angley, QVariant anglez);
    qreal audioVolume();
    void setAudioVolume(qreal vol);
    bool getMute();
    void setMute(QVariant mute);
    bool getLevelPassed(QVariant name);
    int getLevelResult(QVariant name);
    void setLevelResult(QVariant name, QVariant result);
    void setLevelPassed(QVariant name, QVariant passed);
    int getPilotRank();
    void setPilotRank(int rank);
    void reset();
};
