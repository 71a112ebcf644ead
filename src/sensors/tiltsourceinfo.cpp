#include "sensors/tiltsourceinfo.h"

#include <QVariantMap>
#include <QWindow>

namespace {

QVariantMap entry(const QString &kind, bool steering)
{
    return {{QStringLiteral("kind"), kind}, {QStringLiteral("steering"), steering}};
}

} // namespace

TiltSourceInfo::TiltSourceInfo(QObject *parent)
    : QObject(parent)
{
}

TiltSourceInfo *TiltSourceInfo::forWindow(QWindow *window)
{
    if (!window)
        return nullptr;
    if (auto *existing = window->findChild<TiltSourceInfo *>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new TiltSourceInfo(window);
}

QString TiltSourceInfo::source() const
{
    return takenOver.isEmpty() ? deviceSource : takenOver;
}

bool TiltSourceInfo::hasPose() const
{
    const QString steering = source();
    return steering.isEmpty() || steering == QLatin1String("sensor")
           || steering == QLatin1String("motion");
}

QVariantList TiltSourceInfo::sources() const
{
    const QString steering = source();
    QVariantList list;
    if (deviceSource == QLatin1String("sensor")) {
        list.append(entry(deviceSource, steering == deviceSource));
    } else if (!deviceSource.isEmpty()) {
        // Keys and mouse are both there on a desktop; the last one used steers.
        list.append(entry(QStringLiteral("keys"), steering == QLatin1String("keys")));
        list.append(entry(QStringLiteral("mouse"), steering == QLatin1String("mouse")));
    }
    if (touchAvailable)
        list.append(entry(QStringLiteral("touch"), steering == QLatin1String("touch")));
    for (const QVariant &controller : controllers) {
        QVariantMap map = controller.toMap();
        map.insert(QStringLiteral("kind"), QStringLiteral("controller"));
        list.append(map);
    }
    return list;
}

void TiltSourceInfo::replace(QString &which, const QString &source)
{
    if (source == which)
        return;
    const QString before = this->source();
    which = source;
    if (this->source() != before)
        emit sourceChanged();
    emit sourcesChanged();
}

void TiltSourceInfo::setSource(const QString &source)
{
    replace(deviceSource, source);
}

void TiltSourceInfo::setTakenOver(const QString &source)
{
    replace(takenOver, source);
}

void TiltSourceInfo::setControllers(const QVariantList &list)
{
    if (list == controllers)
        return;
    controllers = list;
    emit sourcesChanged();
}

void TiltSourceInfo::setTouchAvailable(bool available)
{
    if (available == touchAvailable)
        return;
    touchAvailable = available;
    emit sourcesChanged();
}

void TiltSourceInfo::setControllerMotion(int id, bool motion)
{
    emit controllerMotionRequested(id, motion);
}
