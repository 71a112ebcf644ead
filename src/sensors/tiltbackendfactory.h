#pragma once

#include <QSensorBackendFactory>

#include <functional>

class QSensor;
class QSensorBackend;

// A backend factory around a function, so each tilt source can be registered
// with QSensorManager without a factory class of its own.
class TiltBackendFactory : public QSensorBackendFactory
{
public:
    using Create = std::function<QSensorBackend *(QSensor *)>;

    void setCreate(Create function) { create = std::move(function); }

    QSensorBackend *createBackend(QSensor *sensor) override
    {
        return create ? create(sensor) : nullptr;
    }

private:
    Create create;
};
