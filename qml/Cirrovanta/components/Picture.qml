import QtQuick

// An image of the artwork bundle, rendered at twice its size so it stays crisp
// when the stage is scaled up to the window.
Image {
    property string name: ""
    // The source is given once the item is complete: an item sized by
    // anchors gets its size while it completes, and a source set before then
    // has the artwork rendered twice.
    property bool complete: false
    Component.onCompleted: complete = true
    source: complete && name.length ? "qrc:/images/" + name : ""
    sourceSize.width: Math.max(1, Math.ceil(width * 2))
    sourceSize.height: Math.max(1, Math.ceil(height * 2))
    fillMode: Image.PreserveAspectFit
    smooth: true
    asynchronous: false
}
