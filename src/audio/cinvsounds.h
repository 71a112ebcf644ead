#pragma once

#include <QObject>

// The game's sound bank: 21 WAV files addressed by index, played as one-shot
// effects or as looping music on the mixer that the output thread pulls.
class CInvSounds : public QObject
{
    Q_OBJECT

public:
    explicit CInvSounds(QObject *parent = nullptr);
    ~CInvSounds() override;

    void playMusic(int index);
    void stopMusic();
    void enableSounds(bool enable);
    void setMusicSpeed(float speed);
    void loadSounds();

public slots:
    void playInternalSound(int index);
};
