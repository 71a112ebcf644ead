#include "app/myeventfilter.h"

#include <QDebug>
#include <QGuiApplication>
#include <QtGui/qevent.h>

MyEventFilter::MyEventFilter(QObject *parent)
    : QObject(parent),
      inForeground(QGuiApplication::applicationState() == Qt::ApplicationActive)
{
}

bool MyEventFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ApplicationStateChange) {
        const auto state = static_cast<QApplicationStateChangeEvent *>(event)->applicationState();
        // A phone passes through Inactive on its way to Suspended: still one change.
        const bool active = state == Qt::ApplicationActive;
        if (active != inForeground) {
            inForeground = active;
            emit activationChangeFiltered();
            qDebug() << "ActivationChangeFiltered()";
        }
        return false;
    }
    return QObject::eventFilter(watched, event);
}
