#include "engine/gameengine.h"

#include "app/myeventfilter.h"
#include "audio/cinvsounds.h"
#include "persistence/settings.h"

#include <QCoreApplication>
#include <QQuickItem>
#include <QSettings>
#include <QTimer>

// The bank plays only while neither the device profile nor the player has
// silenced the game.
static bool soundAllowed(bool silent, bool muted)
{
    if (silent) {
        qDebug() << "silent";
        if (muted)
            qDebug() << "muted";
        return false;
    }
    if (muted) {
        qDebug() << "muted";
        return false;
    }
    return true;
}

GameEngine::GameEngine(QObject *parent, Settings *settings, StartUp startUp)
    : QObject(parent), settings(settings)
{
    sounds = new CInvSounds(this, startUp == StartUp::Now);
    if (startUp == StartUp::Now)
        followDeviceProfile();

    muted = settings ? settings->getMute() : false;

    scanLevelGroups();

    activationFilter = new MyEventFilter(this);
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(activationFilter);

    // There are no widgets in a Qt Quick program, so there is no context menu
    // to switch off.

    connect(&networkManager, &QNetworkAccessManager::finished, this,
            &GameEngine::handleServerResponse);
    if (startUp == StartUp::Now)
        QTimer::singleShot(0, this, &GameEngine::delayedInit);
}

GameEngine::~GameEngine() = default;

void GameEngine::finishStartUp()
{
    // The profile is asked on the session bus now; nothing has sounded yet,
    // and the music the title asked for starts only if the phone allows it.
    if (!deviceInfo)
        followDeviceProfile();
    sounds->finishStartUp();
    if (soundAllowed(silent, muted))
        sounds->resumeMusic();
    delayedInit();
}

void GameEngine::followDeviceProfile()
{
    deviceInfo = new DeviceProfile(this);
    connect(deviceInfo, &DeviceProfile::currentProfileChanged, this,
            &GameEngine::currentProfileChanged);
    // The sound bank is not told here; it starts switched on by itself.
    if (deviceInfo->currentProfile() == DeviceProfile::SilentProfile)
        silent = true;
}

void GameEngine::setRootObject(QObject *root)
{
    rootItem = root;
}

bool GameEngine::connectEventFilter()
{
    return bool(connect(activationFilter, SIGNAL(activationChangeFiltered()), this,
                        SLOT(activationChangeFiltered())));
}

QList<QObject *> GameEngine::unguarded(const ItemList &list)
{
    QList<QObject *> plain;
    plain.reserve(list.size());
    for (const QPointer<QObject> &item : list)
        plain.append(item.data());
    return plain;
}

void GameEngine::enableEngineTimer(QVariant enable)
{
    const bool on = enable.toBool();
    if (engineTimerId == 0) {
        if (on)
            engineTimerId = startTimer(80);
        return;
    }
    if (on)
        return;
    killTimer(engineTimerId);
    engineTimerId = 0;
    if (landingTimerId)
        killTimer(landingTimerId);
    landingTimerId = 0;
    if (crashTimerId)
        killTimer(crashTimerId);
    crashTimerId = 0;
}

void GameEngine::enableSounds(QVariant enable)
{
    const bool on = enable.toBool();
    silent = !on;
    sounds->enableSounds(on && !muted);
}

void GameEngine::currentProfileChanged(DeviceProfile::Profile profile)
{
    enableSounds(profile != DeviceProfile::SilentProfile);
}

void GameEngine::stopMusic()
{
    sounds->stopMusic();
}

QVariant GameEngine::isSymbian()
{
    return false;
}

QVariant GameEngine::isMaemo()
{
    return true;
}

QVariant GameEngine::isWindows()
{
    return false;
}

QVariant GameEngine::isReady()
{
    return !levelItem.isNull();
}

QVariant GameEngine::isMuted()
{
    return muted;
}

void GameEngine::setMuted(QVariant mute)
{
    if (!silent)
        sounds->enableSounds(!mute.toBool());
    QSettings store(Settings::organisation(), Settings::application());
    store.setValue("AudioMute", mute);
    muted = mute.toBool();
}

void GameEngine::vibra() {}

void GameEngine::fastVibra() {}

QVariant GameEngine::pluginGroups()
{
    return groupNames;
}

void GameEngine::speedMeter(QVariant speed)
{
    bool ok = false;
    const qreal value = speed.toReal(&ok);
    if (ok)
        sounds->setMusicSpeed(float(value));
}

void GameEngine::gameLoaded()
{
    gameLoadedFlag = true;
}

void GameEngine::setPilotRank(QVariant rank)
{
    const int newRank = rank.toInt();
    if (settings && newRank > settings->getPilotRank())
        settings->setPilotRank(newRank);
}

void GameEngine::activationChangeFiltered()
{
    auto *root = qobject_cast<QQuickItem *>(rootItem.data());
    if (gameLoadedFlag && root && root->isVisible())
        requestPause();
}

void GameEngine::playSound(QVariant index)
{
    if (soundAllowed(silent, muted))
        sounds->playInternalSound(index.toInt());
}

void GameEngine::playMusic(QVariant index)
{
    // While silenced the bank only remembers the music, for when the sound
    // is switched on again.
    if (soundAllowed(silent, muted))
        sounds->playMusic(index.toInt());
    else
        sounds->keepMusicForLater(index.toInt());
}
