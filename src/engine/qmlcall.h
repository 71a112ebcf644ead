#pragma once

#include <QMetaObject>
#include <QObject>
#include <QVariant>

// Calls a function of a QML object by name, each argument wrapped in a
// QVariant, as the scene's functions expect; the result is never used. A
// missing target (no level loaded, aeroplane gone) makes the call do nothing.
template <typename... Args>
inline void callQml(QObject *target, const char *function, const Args &...args)
{
    if (!target)
        return;
    QMetaObject::invokeMethod(target, function, Qt::AutoConnection,
                              Q_ARG(QVariant, QVariant(args))...);
}
