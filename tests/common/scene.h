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
