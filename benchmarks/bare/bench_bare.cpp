// The reference for the whole-game figures: a bare Qt Quick program built with
// the game's flags, in a QQuickView of the same size, format and window state.
//   startup             one of the game's images; reports its first frame
//   pacing <s>          moves that image to and fro across the window
//   scroll <s> <dir>    a real flight's pixels without the game: the picture of
//                       a level's world (<dir>/world.png) moved along the camera
//                       path the game's flight took (<dir>/path.txt), under the
//                       picture of its instruments (<dir>/hud.png), over the
//                       sea's colour (<dir>/water.txt)

#include "../whole/frameprobe.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QSurfaceFormat>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <vector>

// Where the world picture lies at a moment of the recorded flight.
class CameraPath
{
public:
    explicit CameraPath(const QString &file)
    {
        QFile in(file);
        if (in.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : in.readAll().split('\n')) {
                const QList<QByteArray> f = line.split(' ');
                if (f.size() == 3)
                    samples.push_back({ f[0].toDouble(), f[1].toDouble(), f[2].toDouble() });
            }
        }
        if (samples.empty())
            samples.push_back({ 0, 0, 0 });
    }
    QPointF at(double ms) const
    {
        auto after = std::lower_bound(samples.begin(), samples.end(), ms,
                                      [](const Sample &s, double t) { return s.ms < t; });
        if (after == samples.begin() || after == samples.end()) {
            const Sample &s = after == samples.end() ? samples.back() : samples.front();
            return { s.x, s.y };
        }
        const Sample &a = *(after - 1), &b = *after;
        const double f = b.ms > a.ms ? (ms - a.ms) / (b.ms - a.ms) : 0;
        return { a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f };
    }

private:
    struct Sample { double ms, x, y; };
    std::vector<Sample> samples;
};

int main(int argc, char *argv[])
{
    double seconds = 20;
    const FrameProbe::Mode mode = FrameProbe::modeFromArguments(argc, argv, &seconds);
    const bool scroll = argc > 3 && qstrcmp(argv[1], "scroll") == 0;

    QGuiApplication app(argc, argv);
    QQuickView view;
    view.reportContentOrientationChange(Qt::LandscapeOrientation);
    QSurfaceFormat format = view.format();
    format.setSamples(0);
    view.setFormat(format);
    view.resize(854, 480);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    if (scroll) {
        seconds = QByteArray(argv[2]).toDouble();
        const QString dir = QString::fromLocal8Bit(argv[3]);
        const auto camera = std::make_shared<CameraPath>(dir + QStringLiteral("/path.txt"));
        QFile water(dir + QStringLiteral("/water.txt"));
        const QByteArray colour = water.open(QIODevice::ReadOnly) ? water.readAll().trimmed() : "#2f7fc1";
        view.rootContext()->setContextProperty(QStringLiteral("water"), QString::fromLatin1(colour));
        view.rootContext()->setContextProperty(QStringLiteral("worldPicture"),
                                               QUrl::fromLocalFile(dir + QStringLiteral("/world.png")));
        view.rootContext()->setContextProperty(QStringLiteral("hudPicture"),
                                               QUrl::fromLocalFile(dir + QStringLiteral("/hud.png")));
        view.setSource(QUrl(QStringLiteral("qrc:/bare/scroll.qml")));
        // The path's clock starts with the first tick of the scene's
        // animation, and each tick places the picture for the frame it asks
        // for (placing it after the frame's animations would ask for another).
        QQuickItem *world = view.rootObject()->findChild<QQuickItem *>(QStringLiteral("world"));
        QQuickItem *ticker = view.rootObject()->findChild<QQuickItem *>(QStringLiteral("ticker"));
        auto clock = std::make_shared<QElapsedTimer>();
        QObject::connect(ticker, &QQuickItem::xChanged, world, [world, camera, clock] {
            if (!clock->isValid())
                clock->start();
            world->setPosition(camera->at(double(clock->nsecsElapsed()) / 1e6));
        });
    } else {
        view.rootContext()->setContextProperty(QStringLiteral("animate"), mode == FrameProbe::Mode::Pacing);
        view.setSource(QUrl(QStringLiteral("qrc:/bare/bare.qml")));
    }
    view.showMaximized();
    new FrameProbe(&view, scroll ? FrameProbe::Mode::Pacing : mode, 2.0, seconds);
    return app.exec();
}
