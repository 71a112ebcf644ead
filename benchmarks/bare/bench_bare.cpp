// The reference for the whole-game figures: a bare Qt Quick program built with
// the game's flags that shows one of the game's images in a QQuickView of the
// same size, format and window state. "startup" reports its first frame;
// "pacing <seconds>" moves the image to and fro across the window.

#include "../whole/frameprobe.h"

#include <QGuiApplication>
#include <QQmlContext>
#include <QQuickView>
#include <QSurfaceFormat>

int main(int argc, char *argv[])
{
    double seconds = 20;
    const FrameProbe::Mode mode = FrameProbe::modeFromArguments(argc, argv, &seconds);

    QGuiApplication app(argc, argv);
    QQuickView view;
    view.reportContentOrientationChange(Qt::LandscapeOrientation);
    QSurfaceFormat format = view.format();
    format.setSamples(0);
    view.setFormat(format);
    view.resize(854, 480);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.rootContext()->setContextProperty(QStringLiteral("animate"), mode == FrameProbe::Mode::Pacing);
    view.setSource(QUrl(QStringLiteral("qrc:/bare/bare.qml")));
    view.showMaximized();
    new FrameProbe(&view, mode, 2.0, seconds);
    return app.exec();
}
