#include "audio/cinvsounds.h"

#include "audio/audioout.h"
#include "audio/caudiobuffer.h"
#include "audio/caudiobufferplayinstance.h"
#include "audio/caudiomixer.h"
#include "engine/gameengine.h"
#include "persistence/settings.h"

#include <QDebug>

CInvSounds::CInvSounds(QObject *parent, bool startNow) : QObject(parent)
{
    audioMixer = new GE::CAudioMixer(this);
    if (startNow) {
        audioOut = new GE::AudioOut(this, audioMixer);
        loadSounds();
    } else {
        setUpTable();
    }
    enableSounds(true);
}

CInvSounds::~CInvSounds()
{
    // Nothing pulls once the thread is gone, so the buffers can go.
    delete audioOut;
    audioOut = nullptr;
    releaseBuffers();
    soundTable.clear();
    musicInstance = nullptr;
    delete musicBuffer;
    musicBuffer = nullptr;
}

GE::CAudioBuffer *CInvSounds::bufferAt(int index) const
{
    return index >= 0 && index < buffers.size() ? buffers.at(index) : nullptr;
}

void CInvSounds::releaseBuffers()
{
    qDeleteAll(buffers);
    buffers.clear();
    buffersCount = 0;
}

GE::CAudioBuffer *CInvSounds::loadEntry(const SoundEntry &entry)
{
    const QString path = GameEngine::resolveDataPath(entry.path);
    GE::CAudioBuffer *buffer = GE::CAudioBuffer::loadWav(path);
    // A depth without a reader, or a rate so low that the play position
    // never moves, would add a source that never ends and never sounds.
    if (buffer && (!buffer->sampleFunction || qint64(buffer->samplesPerSec) * 4096 / 22050 <= 0)) {
        qDebug() << "sound file cannot be played" << path;
        delete buffer;
        buffer = nullptr;
    }
    return buffer;
}

void CInvSounds::loadSounds()
{
    setUpTable();
    preloadEffects();
}

void CInvSounds::setUpTable()
{
    if (!buffers.isEmpty()) {
        // Instances still playing read these buffers: take them all out of
        // the mixer (under its lock) before the buffers go.
        stopMusic();
        audioMixer->destroyList();
    }
    releaseBuffers();
    soundTable.clear();
    musicInstance = nullptr;
    musicIndex = -1;

    soundTable = {
        {QStringLiteral("sounds/S_air1.wav"), true},
        {QStringLiteral("sounds/S_air2.wav"), true},
        {QStringLiteral("sounds/S_alarm.wav"), true},
        {QStringLiteral("sounds/S_warning.wav"), true},
        {QStringLiteral("sounds/S_click_button.wav"), true},
        {QStringLiteral("sounds/S_click_page.wav"), true},
        {QStringLiteral("sounds/S_explode.wav"), true},
        {QStringLiteral("sounds/S_fanfare.wav"), false},
        {QStringLiteral("sounds/S_clapping_short.wav"), false},
        {QStringLiteral("sounds/S_main_sound_low.wav"), false},
        {QStringLiteral("sounds/S_drumsandbass.wav"), false},
        {QStringLiteral("sounds/S_air3.wav"), true},
        {QStringLiteral("sounds/S_wrong_beep.wav"), true},
        {QStringLiteral("sounds/S_sonar.wav"), true},
        {QStringLiteral("sounds/S_bass_3.wav"), false},
        {QStringLiteral("sounds/S_bass_5.wav"), false},
        {QStringLiteral("sounds/S_bass_6.wav"), false},
        {QStringLiteral("sounds/S_bass_8.wav"), false},
        {QStringLiteral("sounds/S_bass_7_1.wav"), false},
        {QStringLiteral("sounds/S_clapping.wav"), false},
        {QStringLiteral("sounds/S_bump.wav"), true},
    };

    buffersCount = int(soundTable.size());
    buffers.fill(nullptr, buffersCount);
}

void CInvSounds::finishStartUp()
{
    if (!audioOut)
        audioOut = new GE::AudioOut(this, audioMixer);
    preloadEffects();
}

// Only what is not there yet: an effect played before this was read then.
void CInvSounds::preloadEffects()
{
    for (int i = 0; i < buffersCount; ++i) {
        if (soundTable.at(i).preload && !buffers.at(i))
            buffers[i] = loadEntry(soundTable.at(i));
    }
}

void CInvSounds::playInternalSound(int index)
{
    if (index < 0 || index >= buffersCount)
        return;
    qDebug() << "starts playing sound" << index;
    if (!buffers.at(index))
        buffers[index] = loadEntry(soundTable.at(index));
    if (GE::CAudioBuffer *buffer = buffers.at(index))
        buffer->playWithMixer(*audioMixer);
}

void CInvSounds::playMusic(int index)
{
    if (index < 0 || index >= buffersCount)
        return;
    // Nothing could play it yet, and reading it would hold up the first frame.
    if (!audioOut) {
        keepMusicForLater(index);
        return;
    }
    if (musicInstance) {
        qDebug() << "starts playing music" << index;
        stopMusic();
    }
    GE::CAudioBuffer *buffer = buffers.at(index);
    if (!buffer) {
        musicBuffer = loadEntry(soundTable.at(index));
        buffer = musicBuffer;
    }
    auto *instance = new GE::CAudioBufferPlayInstance(buffer);
    instance->loopCount.store(-1, std::memory_order_relaxed);
    audioMixer->addAudioSource(instance);
    musicInstance = instance;
    musicIndex = index;
    wantedMusic = index;
}

void CInvSounds::keepMusicForLater(int index)
{
    if (index >= 0 && index < buffersCount)
        wantedMusic = index;
}

void CInvSounds::resumeMusic()
{
    if (wantedMusic >= 0 && wantedMusic != playingMusic())
        playMusic(wantedMusic);
}

void CInvSounds::stopMusic()
{
    if (musicInstance) {
        qDebug() << "stops playing music";
        // Taking it out waits for a mixing pass under way; after that no
        // pull can reach the instance or its buffer, and both can go here.
        // (Stopping it first would let that pass delete it under our hands.)
        if (audioMixer->removeAudioSource(musicInstance)) {
            musicInstance->stop();
            delete musicInstance;
        }
        musicInstance = nullptr;
    }
    musicIndex = -1;
    wantedMusic = -1;
    delete musicBuffer;
    musicBuffer = nullptr;
}

void CInvSounds::enableSounds(bool enable)
{
    Settings settings;
    const qreal volume = settings.audioVolume();
    if (enable) {
        qDebug() << "volume enabled " << volume;
        audioMixer->setGeneralVolume(float(volume));
        // Music asked for while the sound was off starts now; music that
        // kept running silently goes on where it is.
        resumeMusic();
    } else {
        qDebug() << "volume disabled " << volume;
        audioMixer->setGeneralVolume(0.0f);
    }
}

void CInvSounds::setMusicSpeed(float speed)
{
    if (musicInstance)
        musicInstance->setSpeed(float(speed));
}
