import QtQuick
import Cirrovanta

// An image of the artwork bundle, rendered at the size it is shown: its own
// size times the stage's scale in the window and the screen's pixel ratio.
Image {
    property string name: ""
    // The source is given once the item is complete: an item sized by
    // anchors gets its size while it completes, and a source set before then
    // has the artwork rendered twice.
    property bool complete: false
    Component.onCompleted: complete = true
    readonly property real pixelScale:
        Theme.pictureScale(Theme.shownScale(Window.width, Window.height, Screen.devicePixelRatio))
    source: complete && name.length ? "qrc:/images/" + name : ""
    sourceSize.width: Math.max(1, Math.ceil(width * pixelScale))
    sourceSize.height: Math.max(1, Math.ceil(height * pixelScale))
    fillMode: Image.PreserveAspectFit
    smooth: true
    asynchronous: false
}
