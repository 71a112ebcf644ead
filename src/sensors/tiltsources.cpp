#include "sensors/tiltsources.h"

QByteArray registerTiltSources(QWindow *)
{
    return QByteArray();
}
