import QtQuick

// A level's world as one picture, moved along the camera path a real flight
// took, under one picture of the instruments: the pixels of a flight with no
// game behind them.
Rectangle {
    id: stage
    color: water
    width: 854
    height: 480

    // Placed for every frame from the recorded path by the program.
    Image {
        objectName: "world"
        source: worldPicture
        smooth: false
    }
    Image {
        source: hudPicture
        smooth: false
    }
    // Keeps the frames coming, as the game's animations do: an empty item
    // moving asks the window for each frame (past the path's end the picture
    // stays where the path ended).
    Item {
        objectName: "ticker"
        NumberAnimation on x {
            from: 0
            to: 1000
            duration: 1000
            loops: Animation.Infinite
        }
    }
}
