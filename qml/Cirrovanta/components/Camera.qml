import QtQuick

// Where the world lies under the screen. The camera looks a little ahead of
// the aeroplane and stops at the world's edge while it can, but never lets
// the aeroplane out of the part of the screen the instruments leave free: the
// fuel gauge and buttons along the top, the radar in the bottom right corner.
// Beyond the world the sea goes on. On the title the aeroplane flies right of
// the menu, and nothing keeps it clear of instruments that are not there.
QtObject {
    property Airplane airplane: null
    property bool demo: false
    property real worldWidth: 0
    property real worldHeight: 0
    property real viewWidth: 854
    property real viewHeight: 480

    readonly property real lookX: (airplane ? airplane.x + airplane.width / 2 + Math.sin(airplane.angle) * 70 : worldWidth / 2)
                                  - (demo ? 170 : 0)
    readonly property real lookY: airplane ? airplane.y + airplane.height / 2 - Math.cos(airplane.angle) * 50 : worldHeight / 2

    readonly property int safeSide: 140
    readonly property int safeTop: 80
    readonly property int safeBottom: 80

    // The world's position on the screen: the level's x and y.
    readonly property real x: place(worldWidth, viewWidth, lookX, airplane ? airplane.x : 0,
                                    airplane ? airplane.width : 0, safeSide, safeSide)
    readonly property real y: place(worldHeight, viewHeight, lookY, airplane ? airplane.y : 0,
                                    airplane ? airplane.height : 0, safeTop, safeBottom)

    function place(worldSize, viewSize, look, planePos, planeSize, low, high) {
        var c = Math.max(viewSize - worldSize, Math.min(0, viewSize / 2 - look))
        if (demo || !airplane)
            return c
        return Math.max(low - planePos, Math.min(viewSize - high - planeSize - planePos, c))
    }
}
