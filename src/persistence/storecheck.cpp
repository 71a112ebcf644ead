#include "persistence/storecheck.h"

#include "persistence/settings.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>

namespace {

// The game's own store stays a few kilobytes; a file beyond this is not one it
// wrote, and every settings operation would read it again.
constexpr qint64 largestStore = 1024 * 1024;
// A live writer holds the lock for milliseconds; an incomplete lock file
// older than this was left by a process killed while taking it.
constexpr int lockWaitMs = 1500;
constexpr qint64 abandonedAfterMs = 100;

bool persisting = true;

// A scratch store for a session that cannot save: Qt's writes go there, so
// nothing waits for the real lock, and the session still sees its own changes.
void stopPersisting(const QString &store, bool keepValues, const char *why)
{
    static QTemporaryDir scratch(QDir::tempPath() + QLatin1String("/cirrovanta-settings-XXXXXX"));
    persisting = false;
    qDebug() << why;
    // Without a scratch directory, a path that can never be created keeps Qt
    // from writing (and from locking) at all.
    const QString root = scratch.isValid() ? scratch.path() : QStringLiteral("/dev/null/cirrovanta");
    if (scratch.isValid()) {
        const QString copy = root + QLatin1Char('/') + Settings::organisation() + QLatin1Char('/')
                             + QFileInfo(store).fileName();
        QDir().mkpath(QFileInfo(copy).path());
        if (keepValues)
            QFile::copy(store, copy);
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root);
}

bool removeLitter(const QString &lockFile, const char *what)
{
    if (!QFile::remove(lockFile))
        return false;
    qDebug() << "removed" << what << "in place of the settings lock" << lockFile;
    return true;
}

// Qt's lock is always a plain file, so a link, a directory or a pipe there is
// litter (a directory only goes when empty: it may hold someone's files).
// A plain file gets Qt's own staleness rules, but only a moment to clear.
bool clearLockPath(const QString &lockFile)
{
    const QFileInfo info(lockFile);
    if (info.isSymbolicLink())
        return removeLitter(lockFile, "a symbolic link");
    if (!info.exists())
        return true;
    if (info.isDir()) {
        if (!QDir().rmdir(lockFile))
            return false;
        qDebug() << "removed" << "an empty directory" << "in place of the settings lock" << lockFile;
        return true;
    }
    if (!info.isFile())
        return removeLitter(lockFile, "a special file");
    qint64 pid = 0;
    QString host;
    QString application;
    if (!QLockFile(lockFile).getLockInfo(&pid, &host, &application)
        && info.lastModified().msecsTo(QDateTime::currentDateTime()) > abandonedAfterMs)
        QFile::remove(lockFile);
    QLockFile probe(lockFile);
    if (!probe.tryLock(lockWaitMs))
        return false;
    probe.unlock();
    return true;
}

// Lines of the form key=value, told apart by section and key. After an
// unclosed quote Qt reads the following lines into one value, and after a
// broken section header it stops: either way it finds fewer keys.
int distinctKeyLines(const QByteArray &bytes)
{
    QSet<QByteArray> keys;
    QByteArray section;
    for (const QByteArray &raw : bytes.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            section = line;
            continue;
        }
        const int equals = line.indexOf('=');
        if (equals >= 0)
            keys.insert(section + '\n' + line.left(equals).trimmed());
    }
    return keys.size();
}

// Read from a copy, so that Qt's cache of the real file stays untouched.
bool readsCleanly(const QString &store)
{
    QFile file(store);
    QTemporaryFile copy;
    if (!file.open(QIODevice::ReadOnly) || !copy.open())
        return true; // nothing to judge by; Qt will not overwrite what it cannot read either
    const QByteArray bytes = file.readAll();
    copy.write(bytes);
    copy.close();
    const QSettings parsed(copy.fileName(), QSettings::IniFormat);
    return parsed.status() == QSettings::NoError && parsed.allKeys().size() >= distinctKeyLines(bytes);
}

void moveAside(const QString &store, const char *why)
{
    const QString stem = store + QLatin1Char('.') + QLatin1String(why) + QLatin1Char('-')
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = stem;
    for (int n = 2; QFileInfo(target).exists() || QFileInfo(target).isSymbolicLink(); ++n)
        target = stem + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(store, target)) {
        stopPersisting(store, false, "settings file cannot be moved aside; this session is not saved");
        return;
    }
    qDebug() << why << "settings file moved aside to" << target;
}

} // namespace

QString StoreCheck::storeFile()
{
    // Qt names every application's file alike; a name with no file behind it
    // gives the path without parsing the store itself.
    const QString sibling = QSettings(Settings::organisation(), QStringLiteral("-")).fileName();
    const QFileInfo info(sibling);
    return info.path() + QLatin1Char('/') + Settings::application() + QLatin1Char('.')
           + info.suffix();
}

void StoreCheck::beforeWrite()
{
    if (!persisting)
        return;
    const QString store = storeFile();
    const QString lockFile = store + QLatin1String(".lock");
    const QFileInfo lock(lockFile);
    if (!lock.exists() && !lock.isSymbolicLink())
        return;
    if (!clearLockPath(lockFile))
        stopPersisting(store, true, "settings lock unusable; this session is not saved");
}

void StoreCheck::beforeFirstUse()
{
    static bool checked = false;
    if (checked)
        return;
    checked = true;
    beforeWrite();
    if (!persisting)
        return;
    const QString store = storeFile();
    const QFileInfo info(store);
    if (!info.isFile())
        return; // absent, or something Qt cannot write over either
    if (info.size() > largestStore)
        moveAside(store, "oversized");
    else if (!readsCleanly(store))
        moveAside(store, "unreadable");
}
