#pragma once

#include <QObject>
#include <QRotationFilter>
#include <QVariant>

// Passes every rotation reading on as a signal with the device's x negated,
// and swallows the reading.
class RotationFilter : public QObject, public QRotationFilter
{
    Q_OBJECT

public:
    RotationFilter();

    bool filter(QRotationReading *reading) override;

signals:
    void rotationChanged(QVariant degX, QVariant degY, QVariant);
};
