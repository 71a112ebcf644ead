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
    // The bank's indices by name, in table order. The QML plays the same
    // numbers, so an index never changes meaning; new sounds go at the end.
    enum Sound {
        EngineHum = 0,     // S_air1: propeller engine loop
        JetWhine = 1,      // S_air2: jet turbine loop
        TerrainAlarm = 2,  // S_alarm: terrain ahead
        WarningChime = 3,  // S_warning: landing, entering a cloud
        ButtonClick = 4,   // S_click_button
        PageClick = 5,     // S_click_page: also a bursting buoy
        Explosion = 6,     // S_explode: a crash
        Fanfare = 7,       // S_fanfare: a landing's final sound
        ShortApplause = 8, // S_clapping_short: a landing, the result screen
        MainTheme = 9,     // S_main_sound_low: menu music
        DrumsAndBass = 10, // S_drumsandbass: default flight music
        EngineRumble = 11, // S_air3: low engine loop
        WrongBeep = 12,    // S_wrong_beep: a locked level
        Sonar = 13,        // S_sonar
        Bass3 = 14,        // S_bass_3: bass loop
        Bass5 = 15,        // S_bass_5: bass loop
        Bass6 = 16,        // S_bass_6: bass loop
        Bass8 = 17,        // S_bass_8: bass loop
        Bass7 = 18,        // S_bass_7_1: bass loop
        Applause = 19,     // S_clapping: a finished group
        Bump = 20,         // S_bump: touchdown
        SoundCount
    };

    // With startNow false the output thread (which opens the sound device)
    // and the short effects wait for finishStartUp(); a sound played before
    // then is read when played and waits in the mixer for the thread, and
    // music asked for then is only remembered, for resumeMusic().
    explicit CInvSounds(QObject *parent = nullptr, bool startNow = true);
    ~CInvSounds() override;

    void playMusic(int index);
    // Remembers the music asked for while the sound is off, without playing
    // it: switching the sound on (enableSounds(true)) starts it.
    void keepMusicForLater(int index);
    // Starts the music remembered, unless it is playing already.
    void resumeMusic();
    void stopMusic();
    void enableSounds(bool enable);
    void setMusicSpeed(float speed);
    void loadSounds();
    void finishStartUp();

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
    void setUpTable();
    void preloadEffects();

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
