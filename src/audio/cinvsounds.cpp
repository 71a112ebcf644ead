#include "audio/cinvsounds.h"

// Placeholder bodies until the mixer and output thread land.
CInvSounds::CInvSounds(QObject *parent) : QObject(parent) {}
CInvSounds::~CInvSounds() = default;
void CInvSounds::playMusic(int) {}
void CInvSounds::stopMusic() {}
void CInvSounds::enableSounds(bool) {}
void CInvSounds::setMusicSpeed(float) {}
void CInvSounds::loadSounds() {}
void CInvSounds::playInternalSound(int) {}
