#pragma once

#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

#include <memory>

// Builds a scene from an inline QML document with a real QML engine.
inline std::unique_ptr<QObject> createScene(QQmlEngine &engine, const QByteArray &qml)
{
    QQmlComponent component(&engine);
    component.setData(qml, QUrl(QStringLiteral("memory:/scene.qml")));
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
