#include "sensors/tiltsourceinfo.h"

#include <QWindow>

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

void TiltSourceInfo::setSource(const QString &source)
{
    if (source == currentSource)
        return;
    currentSource = source;
    emit sourceChanged();
}
