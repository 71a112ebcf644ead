#include "app/qmlapplicationviewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>

class QmlApplicationViewer::Private
{
public:
    QString mainQmlFile;
    QList<ScreenOrientation> orientationLocks;
    std::unique_ptr<QQmlComponent> loading;
};

namespace {
// Without the "bin/.." of an installed copy: the module "Cirrovanta" on the
// import path must be the very directory the main document lies in.
QUrl documentUrl(const QString &adjustedPath)
{
    return QUrl::fromLocalFile(QDir::cleanPath(adjustedPath));
}
} // namespace

QmlApplicationViewer::QmlApplicationViewer(QWindow *parent)
    : QQuickView(parent), d(std::make_unique<Private>())
{
    connect(engine(), &QQmlEngine::quit, this, &QWindow::close);
    setResizeMode(QQuickView::SizeRootObjectToView);
}

QmlApplicationViewer::~QmlApplicationViewer() = default;

QString QmlApplicationViewer::adjustPath(const QString &path)
{
    const QString candidate = QCoreApplication::applicationDirPath() + "/../" + path;
    if (candidate.contains("opt") && candidate.contains("bin") && QFileInfo::exists(candidate))
        return candidate;
    return path;
}

void QmlApplicationViewer::startLoading(const QString &file)
{
    // The loader keeps what it reads by address, so the view's own load of
    // the same address below takes it over.
    d->loading = std::make_unique<QQmlComponent>(engine(), documentUrl(adjustPath(file)),
                                                 QQmlComponent::Asynchronous);
}

void QmlApplicationViewer::setMainQmlFile(const QString &file)
{
    d->mainQmlFile = adjustPath(file);
    setSource(documentUrl(d->mainQmlFile));
    d->loading.reset();
}

QString QmlApplicationViewer::mainQmlFile() const
{
    return d->mainQmlFile;
}

void QmlApplicationViewer::addImportPath(const QString &path)
{
    // Handed over as a file URL: the engine would resolve symbolic links in a
    // plain path, and a module reached through another path than the documents
    // loaded by path (the build tree links to the sources) would give every
    // piece a second, incompatible type.
    const QString directory = QDir::cleanPath(QFileInfo(adjustPath(path)).absoluteFilePath());
    engine()->addImportPath(QUrl::fromLocalFile(directory).toString());
}

void QmlApplicationViewer::setOrientation(ScreenOrientation orientation)
{
    if (orientation != LockPortrait && orientation != LockLandscape)
        orientation = Auto;
    if (!d->orientationLocks.contains(orientation))
        d->orientationLocks.append(orientation);
    // A window cannot lock a phone's rotation in Qt 6; it can tell the
    // platform which way its content is laid out.
    if (orientation == LockLandscape)
        reportContentOrientationChange(Qt::LandscapeOrientation);
    else if (orientation == LockPortrait)
        reportContentOrientationChange(Qt::PortraitOrientation);
}

QList<QmlApplicationViewer::ScreenOrientation> QmlApplicationViewer::orientationLocks() const
{
    return d->orientationLocks;
}

void QmlApplicationViewer::showExpanded()
{
    showMaximized();
}
