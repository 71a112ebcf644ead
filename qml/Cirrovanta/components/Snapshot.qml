import QtQuick
import Cirrovanta

// Its content drawn once into a picture at the size shown, and then shown as
// that picture while the content itself is let go. Without a GPU the renderer
// goes over every node in the scene on each frame the world moves, hidden or
// not: a layer keeps its content's nodes in the scene, and so does an item
// once shown and then hidden. Only an item that is gone costs nothing.
// So the owner makes the content with a Repeater whose model is
// `pictured ? 0 : 1` (a Loader cannot make a bound document's component): it
// is there until the picture is (nothing flickers or goes missing meanwhile,
// nor where no picture can be taken, in a window not shown) and while a new
// one is taken. The picture follows the item's size and the window's scale;
// an owner whose content changes otherwise calls retake().
Item {
    id: snapshot
    default property alias content: drawing.data
    readonly property bool pictured: taken === wanted && picture.status === Image.Ready
    // Turned in the world (filtered then, as any turned picture).
    property bool turned: false
    // As `Picture` draws: the scale shown, in half steps.
    readonly property real shownScale: Theme.shownScale(Window.width, Window.height, Screen.devicePixelRatio)
    readonly property real pixelScale: Theme.pictureScale(shownScale)
    readonly property bool shown: Window.window !== null && Window.window.visible

    // Pictures asked for and the last one taken; a request that comes while
    // a picture is being taken is served after it.
    property int wanted: 1
    property int taken: 0
    property bool taking: false

    function retake() {
        ++wanted
        later.start()
    }
    function take() {
        if (taking || taken === wanted || !shown || width <= 0 || height <= 0)
            return
        const request = wanted
        const size = Qt.size(Math.ceil(width * pixelScale), Math.ceil(height * pixelScale))
        taking = drawing.grabToImage(function (result) {
            // Gone by then when its level was closed at once.
            if (snapshot)
                snapshot.pictureTaken(result.url, request)
        }, size)
    }
    function pictureTaken(url, request) {
        taking = false
        picture.source = url
        taken = request
        if (taken !== wanted)
            later.start()
    }
    onShownChanged: later.start()
    onPixelScaleChanged: retake()
    onWidthChanged: retake()
    onHeightChanged: retake()
    Component.onCompleted: later.start()

    // Once the events at hand are done: a size and a scale that change
    // together, or changes made while the item is built, make one picture.
    Timer {
        id: later
        interval: 0
        onTriggered: snapshot.take()
    }
    Image {
        id: picture
        anchors.fill: parent
        // Copied whole pixels at 1:1, as sharp as the content and much
        // cheaper to draw; filtered when scaled or turned.
        smooth: snapshot.turned || snapshot.pixelScale !== snapshot.shownScale
    }
    Item {
        id: drawing
        anchors.fill: parent
    }
}
