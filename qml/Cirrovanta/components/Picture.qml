import QtQuick

// An image of the artwork bundle, rendered at the size it is shown: its own
// size times the stage's scale in the window and the screen's pixel ratio.
Image {
    property string name: ""
    // The source is given once the item is complete: an item sized by
    // anchors gets its size while it completes, and a source set before then
    // has the artwork rendered twice.
    property bool complete: false
    Component.onCompleted: complete = true
    // In half steps, and never below one, so that a window being resized
    // does not have every picture rendered again for each pixel it grows.
    readonly property real pixelScale: {
        const stage = Window.width > 0 && Window.height > 0
            ? Math.min(Window.width / 854, Window.height / 480) : 1
        return Math.max(1, Math.ceil(stage * Screen.devicePixelRatio * 2) / 2)
    }
    source: complete && name.length ? "qrc:/images/" + name : ""
    sourceSize.width: Math.max(1, Math.ceil(width * pixelScale))
    sourceSize.height: Math.max(1, Math.ceil(height * pixelScale))
    fillMode: Image.PreserveAspectFit
    smooth: true
    asynchronous: false
}
