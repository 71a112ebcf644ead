#pragma once

#include "app/deviceprofile.h"
#include "app/onlinestatus.h"

#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>

class CInvSounds;
class MyEventFilter;
class QQuickItem;
class QRectF;
class QTimerEvent;
class Settings;

// The object through which the QML scene drives the game. QML sees it as the
// context property "GameEngine". Its methods are spread over one source file
// per concern: gameengine.cpp (object and small methods), scenediscovery.cpp,
// flightmodel.cpp, gamestep.cpp, flightendings.cpp, levelgroups.cpp and
// updatecheck.cpp.
//
// The order of the signal, the slots and the invokables below is the order of
// the meta-object table that QML and the tests rely on; keep it.
class GameEngine : public QObject
{
    Q_OBJECT

public:
    // Now: the update check starts from the event loop's first pass and the
    // sound bank opens the device and reads its effects at once, after the
    // phone's silent profile has been asked. WhenAsked: all three wait for
    // finishStartUp(), which the program calls once its first frame is shown.
    enum class StartUp { Now, WhenAsked };
    GameEngine(QObject *parent, Settings *settings, StartUp startUp = StartUp::Now);
    ~GameEngine() override;

    void setRootObject(QObject *root);
    bool connectEventFilter();
    void findSteer();
    void finishStartUp();

    // Looks for a data file under the parent of the executable's directory
    // first, then relative to the working directory. Shared with the sound bank.
    static QString resolveDataPath(const QString &relative);

    // Read-only views for tests and benchmarks; the game itself never needs them.
    int engineTimer() const { return engineTimerId; }
    int landingTimer() const { return landingTimerId; }
    int crashTimer() const { return crashTimerId; }
    int steerTimer() const { return steerTimerId; }
    QObject *currentAirplane() const { return airplane; }
    QObject *currentLevel() const { return levelItem; }
    QObject *currentSteer() const { return steerItem; }
    QList<QObject *> currentObstructions() const { return unguarded(obstructions); }
    QList<QObject *> currentLandings() const { return unguarded(landings); }
    QList<QObject *> currentClouds() const { return unguarded(clouds); }
    QList<QObject *> currentBuoys() const { return unguarded(buoys); }
    CInvSounds *soundBank() const { return sounds; }
    OnlineStatus &onlineStatus() { return networkConfig; }
    DeviceProfile *deviceProfile() const { return deviceInfo; }
    bool isSilent() const { return silent; }
    bool isSeatbeltsLit() const { return seatbeltsLit; }
    bool isGroundWarningShown() const { return groundWarningShown; }

    // Test hooks for the update check: where it asks (default: the translated
    // address of the update server) and how long it waits at most (20 s).
    void setUpdateUrl(const QString &url) { updateUrlOverride = url; }
    void setUpdateTimeout(int ms) { updateTimeoutMs = ms; }

signals:
    void newVersionReady(QVariant url);

public slots:
    void levelReady();
    void activationChangeFiltered();
    void handleAcc(const QVariant &x, const QVariant &y, const QVariant &z);

private slots:
    void currentProfileChanged(DeviceProfile::Profile profile);
    void delayedInit();
    void handleServerResponse(QNetworkReply *reply);

public:
    Q_INVOKABLE void enableEngineTimer(QVariant enable);
    Q_INVOKABLE void enableSounds(QVariant enable);
    Q_INVOKABLE void playSound(QVariant index);
    Q_INVOKABLE void playMusic(QVariant index);
    Q_INVOKABLE void stopMusic();
    Q_INVOKABLE void findQmlObjects();
    Q_INVOKABLE void clearQmlObjects();
    Q_INVOKABLE void levelFinished();
    Q_INVOKABLE QVariant isSymbian();
    Q_INVOKABLE QVariant isMaemo();
    Q_INVOKABLE QVariant isWindows();
    Q_INVOKABLE QVariant isReady();
    Q_INVOKABLE QVariant isMuted();
    Q_INVOKABLE void setMuted(QVariant mute);
    Q_INVOKABLE void vibra();
    Q_INVOKABLE void fastVibra();
    Q_INVOKABLE QVariant pluginList(QVariant groupName);
    Q_INVOKABLE QVariant pluginGroups();
    Q_INVOKABLE void speedMeter(QVariant speed);
    Q_INVOKABLE void startFreeFall();
    Q_INVOKABLE void saveResult(QVariant passed, QVariant result);
    Q_INVOKABLE QVariant getResult(QVariant name);
    Q_INVOKABLE QVariant getPassed(QVariant name);
    Q_INVOKABLE QVariant getCurrentResult();
    Q_INVOKABLE QVariant getCurrentPassed();
    Q_INVOKABLE void gameLoaded();
    Q_INVOKABLE void setPilotRank(QVariant rank);
    Q_INVOKABLE void adjustFlight();
    Q_INVOKABLE void refreshSteer();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    using ItemList = QList<QPointer<QObject>>;
    static QList<QObject *> unguarded(const ItemList &list);

    // Scene discovery (scenediscovery.cpp).
    QObject *findGameLevel(QObject *from);
    void findAllObstructions(QObject *from);
    void findAllLandings(QObject *from);
    void findAllClouds(QObject *from);
    void findAllBuoys(QObject *from);

    // Flight model (flightmodel.cpp).
    void updateSteer(float blend);

    // The 80 ms step (gamestep.cpp), in the order it tests the scene.
    struct StepFrame;
    void gameStep();
    bool testObstructions(const StepFrame &frame);
    bool hitsObstruction(const StepFrame &frame, QQuickItem *obstruction,
                         const QRectF &mapped) const;
    void crash(const StepFrame &frame, const QString &obstructionName);
    void raiseTerrainWarning();
    void dropTerrainWarning();
    bool testRunways(const StepFrame &frame);
    void startLanding(QQuickItem *plane);
    void cancelLanding(QQuickItem *plane);
    bool testClouds(const StepFrame &frame);
    void testBuoys(const StepFrame &frame);
    void updateSeatbeltsSign(bool onRunway, bool inCloud);

    // Timers and endings (flightendings.cpp).
    void completeLanding();
    void endFreeFall();
    void endGame(bool passed);
    void requestPause();
    void followDeviceProfile();

    // Level groups (levelgroups.cpp).
    void scanLevelGroups();
    QStringList levelsOfGroup(const QString &group) const;

    int engineTimerId = 0;
    int landingTimerId = 0;
    int crashTimerId = 0;
    int steerTimerId = 0;
    // Scene objects belong to the QML scene. Guarded pointers turn an object
    // that QML destroyed without the clearing calls into null.
    ItemList obstructions;
    ItemList landings;
    ItemList clouds;
    ItemList buoys;
    QPointer<QObject> rootItem;
    QPointer<QObject> airplane;
    QPointer<QObject> levelItem;
    QPointer<QObject> steerItem;
    float steerAngleX = 0;
    float steerAngleZ = 0;
    float steerAngleY = 0;
    CInvSounds *sounds = nullptr;
    QStringList groupNames;
    QNetworkAccessManager networkManager;
    OnlineStatus networkConfig;
    Settings *settings = nullptr;
    DeviceProfile *deviceInfo = nullptr;
    bool silent = false;
    bool muted = false;
    bool seatbeltsLit = false;
    bool groundWarningShown = false;
    bool gameLoadedFlag = false;
    qreal filteredAcc[3] = {0, 0, 0};
    MyEventFilter *activationFilter = nullptr;
    QString updateUrlOverride;
    int updateTimeoutMs = 20000;
};
