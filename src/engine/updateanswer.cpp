#include "engine/updateanswer.h"

#include <QDebug>
#include <QIODevice>
#include <QStringList>

namespace {

// This program's own version is 1.0.
bool isNewer(int major, int minor)
{
    return major > 1 || (major == 1 && minor > 0);
}

enum class LineVerdict { NextLine, Stop, Newer };

// One line of the answer: "<major>.<minor>[.more] <location> [ignored...]".
LineVerdict judgeLine(const QString &rawLine, QString &location)
{
    const QString line = rawLine.trimmed();
    const QStringList fields = line.split(QLatin1Char(' '), Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (fields.size() < 2) {
        qDebug() << "too few arguments in line " << line;
        return LineVerdict::NextLine;
    }
    const QStringList parts = fields.at(0).split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() < 2) {
        qDebug() << "too few arguments in " << line;
        return LineVerdict::Stop;
    }
    bool majorOk = false;
    bool minorOk = false;
    const int major = parts.at(0).toInt(&majorOk, 10);
    const int minor = parts.at(1).toInt(&minorOk, 10);
    if (!majorOk || !minorOk) {
        qDebug() << "parsing response failed";
        return LineVerdict::NextLine;
    }
    if (!isNewer(major, minor)) {
        qDebug() << "no new version available";
        return LineVerdict::NextLine;
    }
    location = fields.at(1);
    qDebug() << "download new version from " << location;
    return LineVerdict::Newer;
}

} // namespace

std::optional<QString> newerVersionLocation(QIODevice &answer)
{
    char buffer[1024];
    for (;;) {
        buffer[0] = '\0';
        const qint64 length = answer.readLine(buffer, sizeof buffer);
        const QString line =
            QString::fromUtf8(buffer, length > 0 ? qsizetype(qstrnlen(buffer, size_t(length))) : 0);
        qDebug() << line;
        if (length <= 0)
            return std::nullopt;
        QString location;
        switch (judgeLine(line, location)) {
        case LineVerdict::NextLine:
            continue;
        case LineVerdict::Stop:
            return std::nullopt;
        case LineVerdict::Newer:
            return location;
        }
    }
}
