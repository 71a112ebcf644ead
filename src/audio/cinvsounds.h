#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

namespace GE {
class AudioOut;
class CAudioBuffer;
class CAudioBufferPlayInstance;
class CAudioMixer;
}

// The game's sound bank: 21 WAV files addressed by index, played as one-shot
// effects or as looping music on the mixer that the output thread pulls.
class CInvSounds : public QObject
{
    Q_OBJECT

public:
    explicit CInvSounds(QObject *parent = nullptr);
    ~CInvSounds() override;

    void playMusic(int index);
    // Remembers the music asked for while the sound is off, without playing
    // it: switching the sound on (enableSounds(true)) starts it.
    void keepMusicForLater(int index);
    void stopMusic();
    void enableSounds(bool enable);
    void setMusicSpeed(float speed);
    void loadSounds();

    // Read-only views for tests.
    GE::CAudioMixer *mixer() const { return audioMixer; }
    GE::AudioOut *outputThread() const { return audioOut; }
    GE::CAudioBuffer *bufferAt(int index) const;
    GE::CAudioBuffer *musicBufferOnDemand() const { return musicBuffer; }
    GE::CAudioBufferPlayInstance *currentMusic() const { return musicInstance; }
    // The table index of the music playing now, -1 for none.
    int playingMusic() const { return musicInstance ? musicIndex : -1; }
    int bufferCount() const { return buffersCount; }

public slots:
    void playInternalSound(int index);

private:
    struct SoundEntry
    {
        QString path;
        bool preload;
    };

    void releaseBuffers();
    static GE::CAudioBuffer *loadEntry(const SoundEntry &entry);

    QList<SoundEntry> soundTable;
    GE::CAudioBufferPlayInstance *musicInstance = nullptr;
    GE::CAudioMixer *audioMixer = nullptr;
    GE::AudioOut *audioOut = nullptr;
    QVector<GE::CAudioBuffer *> buffers;
    GE::CAudioBuffer *musicBuffer = nullptr;
    int buffersCount = 0;
    int musicIndex = -1;
    // What should play once the sound is on again; -1 for silence.
    int wantedMusic = -1;
};
