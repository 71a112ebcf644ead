import QtQuick
import Cirrovanta

// A translucent rounded card that menus sit on.
Rectangle {
    radius: 22
    color: Theme.panel
    border.color: Theme.sky
    border.width: 2
}
