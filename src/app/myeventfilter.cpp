#include "app/myeventfilter.h"

#include <QDebug>
#include <QEvent>

MyEventFilter::MyEventFilter(QObject *parent) : QObject(parent) {}

bool MyEventFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ActivationChange) {
        emit activationChangeFiltered();
        qDebug() << "ActivationChangeFiltered()";
        return false;
    }
    return QObject::eventFilter(watched, event);
}
