pragma ComponentBehavior: Bound

import QtQuick
import Cirrovanta

// The bright sky behind the menus: the picture if the artwork has it, over a
// sky gradient with a few drifting clouds.
Item {
    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.sea }
            GradientStop { position: 0.7; color: Theme.haze }
            GradientStop { position: 1; color: Theme.shallows }
        }
    }
    Picture {
        anchors.fill: parent
        name: "menubg.jpg"
        fillMode: Image.PreserveAspectCrop
        opacity: 0.9
    }
    Repeater {
        id: clouds
        model: 3
        Picture {
            required property int index
            name: "cloud.png"
            width: 180 - index * 30; height: width * 0.73
            x: -200 + index * 370
            y: 30 + index * 110
            opacity: 0.8
        }
    }
    // The clouds creep a pixel at a time, four times a second: an animation
    // would have an open menu redraw the whole window at the display's rate.
    Timer {
        interval: 250
        repeat: true
        running: true
        onTriggered: {
            for (var i = 0; i < clouds.count; ++i) {
                var cloud = clouds.itemAt(i)
                cloud.x = cloud.x >= 900 ? -200 : cloud.x + 1
            }
        }
    }
}
