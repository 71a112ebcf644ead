import QtQuick

// A translucent rounded card that menus sit on.
Rectangle {
    radius: 22
    color: "#e6ffffff"
    border.color: "#2f7fc1"
    border.width: 2
}
