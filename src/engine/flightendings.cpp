#include "engine/gameengine.h"

#include "audio/cinvsounds.h"
#include "engine/qmlcall.h"

#include <QQuickItem>
#include <QTimerEvent>

#include <algorithm>
#include <climits>

void GameEngine::timerEvent(QTimerEvent *event)
{
    const int id = event->timerId();
    if (id == engineTimerId)
        gameStep();
    else if (id == landingTimerId)
        completeLanding();
    else if (id == crashTimerId)
        endFreeFall();
    else if (id == steerTimerId && engineTimerId == 0)
        updateSteer(1.0f);
}

namespace {

// The middle of the lower edge of an unrotated aeroplane, where explosions
// and the happy landing are shown, in the coordinates of its parent.
bool touchdownPoint(QObject *airplane, float &x, float &y)
{
    auto *plane = qobject_cast<QQuickItem *>(airplane);
    if (!plane)
        return false;
    const QPointF position = plane->position();
    const QRectF bounds = plane->boundingRect();
    x = float(position.x() + bounds.width() * 0.5);
    y = float(position.y() + bounds.height());
    return true;
}

void stopTimer(QObject &owner, int &timerId)
{
    if (timerId)
        owner.killTimer(timerId);
    timerId = 0;
}

} // namespace

// The landing timer fired while the aeroplane was still on a runway.
// Without an aeroplane (the level cleared it meanwhile) only the flight ends.
void GameEngine::completeLanding()
{
    enableEngineTimer(false);
    float x = 0;
    float y = 0;
    if (touchdownPoint(airplane, x, y))
        callQml(levelItem, "explodeHappy", x, y);
    stopTimer(*this, landingTimerId);
    stopTimer(*this, crashTimerId);
    if (airplane)
        playSound(airplane->property("finalSound"));
    endGame(true);
}

// The free fall reached the ground: a crash, unless a landing had begun.
void GameEngine::endFreeFall()
{
    const bool landingPending = landingTimerId != 0;
    enableEngineTimer(false);
    float x = 0;
    float y = 0;
    if (touchdownPoint(airplane, x, y))
        callQml(levelItem, "explode", x, y);
    stopTimer(*this, landingTimerId);
    stopTimer(*this, crashTimerId);
    if (!landingPending) {
        playSound(CInvSounds::Explosion);
        endGame(false);
        return;
    }
    callQml(levelItem, "showWarningText", tr("Dangerous landing!"), 1500);
    if (airplane)
        playSound(airplane->property("finalSound"));
    endGame(true);
}

// The tank is empty: the aeroplane glides for twice its landing time. Every
// call starts a new fall; the timer of an earlier one goes, its events would
// match nothing anyway.
void GameEngine::startFreeFall()
{
    if (!airplane)
        return;
    const qint64 landingTime = airplane->property("landingTime").toInt();
    int earlierFall = crashTimerId;
    crashTimerId = startTimer(int(std::min<qint64>(2 * landingTime, INT_MAX)));
    // Stopped only now, so that its id is not handed out again at once.
    stopTimer(*this, earlierFall);
    callQml(airplane, "doLanding", true);
    callQml(levelItem, "groundWarning", false);
    if (!seatbeltsLit) {
        seatbeltsLit = true;
        callQml(levelItem, "seatbeltsSign", true);
    }
}

void GameEngine::endGame(bool passed)
{
    callQml(levelItem, "gameOver", passed);
}

void GameEngine::requestPause()
{
    callQml(levelItem, "pauseGame", true);
    callQml(rootItem, "pauseGame", true);
}
