#include "app/gamesettings.h"

#include "audio/cinvsounds.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QtMath>

GameSettings::GameSettings(Settings *settings, GameEngine *engine, QObject *parent)
    : QObject(parent), settings(settings), engine(engine)
{
}

qreal GameSettings::volumeForStep(int step)
{
    const int clamped = qBound(0, step, 9);
    if (clamped == 0)
        return 0.0;
    return qPow(0.75, 9 - clamped);
}

qreal GameSettings::audioVolume() const
{
    return settings ? settings->audioVolume() : 0.0;
}

void GameSettings::setAudioVolume(qreal volume)
{
    if (!settings)
        return;
    settings->setAudioVolume(qBound<qreal>(0.0, volume, 1.0));
    // The sound bank reads the stored volume whenever it is switched on; going
    // through the mute choice switches it on again unless the player muted it
    // or the device is silent.
    if (engine)
        engine->setMuted(engine->isMuted());
}

void GameSettings::setVolumeStep(int step)
{
    const qreal current = audioVolume();
    const int currentStep = qRound(Settings::volumeLevel(float(current)) * 9);
    if (currentStep > 0 && !qFuzzyCompare(float(current), float(volumeForStep(currentStep)))) {
        anchorStep = currentStep;
        anchorVolume = current;
    }
    const int target = qBound(0, step, 9);
    setAudioVolume(target > 0 && target == anchorStep ? anchorVolume : volumeForStep(target));
}

void GameSettings::holdSounds(bool hold)
{
    if (!engine || !engine->soundBank())
        return;
    engine->soundBank()->enableSounds(!hold && !engine->isSilent() && !engine->isMuted().toBool());
}

int GameSettings::playingMusic() const
{
    return engine && engine->soundBank() ? engine->soundBank()->playingMusic() : -1;
}
