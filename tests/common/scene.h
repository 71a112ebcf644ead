#pragma once

// Scaffolding the scene-driven tests share: inline QML scenes with a real QML
// engine, files written into temporary trees and timer events sent by hand.

#include "engine/gameengine.h"

#include <QDir>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTimerEvent>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

inline std::unique_ptr<QObject> createScene(QQmlEngine &engine, const QByteArray &qml)
{
    QQmlComponent component(&engine);
    component.setData(qml, QUrl::fromLocalFile(QDir::temp().filePath(QStringLiteral("scene.qml"))));
    // Imports may finish on the loader thread.
    if (component.isLoading())
        (void)QTest::qWaitFor([&component] { return !component.isLoading(); }, 5000);
    std::unique_ptr<QObject> scene(component.create());
    if (!scene)
        qWarning() << component.errors();
    return scene;
}

inline QObject *named(QObject *root, const QString &name)
{
    return root->objectName() == name ? root : root->findChild<QObject *>(name);
}

// Writes a file, making its directory first.
inline bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The engine's four timers, as its accessors report them (0 when stopped).
inline QList<int> timerIds(const GameEngine &engine)
{
    return {engine.engineTimer(), engine.landingTimer(), engine.crashTimer(), engine.steerTimer()};
}

// Sends the timer events an event loop would deliver, without running one.
inline void deliverTimers(QObject *target, const QList<int> &ids)
{
    for (int id : ids) {
        if (id == 0)
            continue;
        QTimerEvent event(id);
        QCoreApplication::sendEvent(target, &event);
    }
}

inline void deliverTimers(GameEngine &engine) { deliverTimers(&engine, timerIds(engine)); }

// Creates a document from a file inside parent's item, with the given
// properties set before it completes, as a Loader or a screen would.
inline std::unique_ptr<QObject> createItem(QQmlEngine &engine, const QString &file, QObject *parent,
                                           const QVariantMap &initial = {})
{
    QQmlComponent component(&engine, QUrl::fromLocalFile(file), QQmlComponent::PreferSynchronous);
    std::unique_ptr<QObject> object(component.isError() ? nullptr : component.beginCreate(engine.rootContext()));
    if (!object) {
        qWarning().noquote() << component.errorString();
        return nullptr;
    }
    for (auto it = initial.cbegin(); it != initial.cend(); ++it)
        object->setProperty(it.key().toUtf8(), it.value());
    if (auto *item = qobject_cast<QQuickItem *>(object.get()))
        item->setParentItem(qobject_cast<QQuickItem *>(parent));
    component.completeCreate();
    return object;
}

// Flies the aeroplane along a route on a simulated clock until `ended` says so
// or four minutes of game time pass. Each frame steers for the next waypoint
// (36 px reaches it; past the last, along the last leg) and calls `frame`; the
// engine's timers are delivered when they fall due in game time: its step
// every 80 ms, a landing 2/3 of landingTime and a free fall 2 x landingTime
// after it starts. Returns the number of frames flown.
inline int flyRoute(GameEngine &engine, QQuickItem *plane, const QList<QPointF> &route,
                    const std::function<void()> &frame, const std::function<bool()> &ended)
{
    const int fps = plane->property("fps").toInt();
    const int landingTime = plane->property("landingTime").toInt();
    const auto centre = [plane] {
        return QPointF(plane->property("realX").toReal() + plane->width() / 2,
                       plane->property("realY").toReal() + plane->height() / 2);
    };
    double now = 0, nextStep = 80, landingDue = 0, crashDue = 0;
    int landingId = 0, crashId = 0, waypoint = 0, frames = 0;
    const auto watch = [&](double at) { // a timer's due time is noted when its id appears
        if (engine.landingTimer() != landingId && (landingId = engine.landingTimer()))
            landingDue = at + 2 * landingTime / 3;
        if (engine.crashTimer() != crashId && (crashId = engine.crashTimer()))
            crashDue = at + 2 * landingTime;
    };
    engine.enableEngineTimer(true);
    while (!ended() && now < 240000) {
        if (waypoint < route.size() && QLineF(centre(), route[waypoint]).length() < 36)
            ++waypoint;
        const QPointF to = waypoint < route.size() ? route[waypoint] - centre()
                                                   : route.last() - route[std::max(0, int(route.size()) - 2)];
        const double length = std::hypot(to.x(), to.y());
        plane->setProperty("vectorX", length > 0 ? to.x() / length : 0.0);
        plane->setProperty("vectorY", length > 0 ? -to.y() / length : 0.0);
        frame();
        watch(now);
        ++frames;
        now += 1000.0 / fps;
        while (!ended()) { // the timers due during the frame, in time order
            const double next = std::min({nextStep, landingId ? landingDue : 1e300, crashId ? crashDue : 1e300});
            if (next > now)
                break;
            const int id = next == nextStep ? engine.engineTimer() : next == landingDue ? landingId : crashId;
            if (next == nextStep)
                nextStep += 80;
            deliverTimers(&engine, {id});
            watch(next);
        }
    }
    return frames;
}
