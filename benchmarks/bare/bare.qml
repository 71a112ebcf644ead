import QtQuick

Rectangle {
    color: "#2f7fc1"
    width: 854
    height: 480

    Image {
        id: picture
        source: "qrc:/images/plane_1.svg"
        y: (parent.height - height) / 2
        NumberAnimation on x {
            running: animate
            from: 0
            to: picture.parent.width - picture.width
            duration: 3000
            loops: Animation.Infinite
        }
    }
}
