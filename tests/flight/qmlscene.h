#pragma once

#include <QDir>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

#include <memory>

// Builds a scene from an inline QML document with a real QML engine.
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
    if (root->objectName() == name)
        return root;
    return root->findChild<QObject *>(name);
}
