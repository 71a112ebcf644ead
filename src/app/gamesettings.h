#pragma once

#include <QObject>
#include <QPointer>

class GameEngine;
class Settings;

// The volume control of the settings screen, beside the engine: QML sees it
// as the context property "GameSettings". Setting the volume stores it through
// the settings object that is wired to the scene (so the scene hears the new
// level) and lets the engine apply it to the sound output.
class GameSettings : public QObject
{
    Q_OBJECT

public:
    GameSettings(Settings *settings, GameEngine *engine, QObject *parent = nullptr);

    // The volume of step 0 to 9 of the ten the scene shows: 0 for step 0,
    // else (3/4)^(9 − step), the middle of the band that gives level step/9.
    static qreal volumeForStep(int step);

    Q_INVOKABLE qreal audioVolume() const;
    Q_INVOKABLE void setAudioVolume(qreal volume);
    // A volume the player brought from elsewhere (the default 0.6, say) lies
    // between two steps; stepping back onto its step gives that volume back.
    Q_INVOKABLE void setVolumeStep(int step);
    // The sound bank's music index playing now (-1 for none); read-only.
    Q_INVOKABLE int playingMusic() const;

    // Silences every sound while the game is paused, music and effects
    // alike, and gives the player's volume back afterwards, unless the
    // player muted the game or the device is silent meanwhile.
    Q_INVOKABLE void holdSounds(bool hold);

private:
    Settings *settings = nullptr;
    QPointer<GameEngine> engine;
    int anchorStep = -1;
    qreal anchorVolume = 0.0;
};
