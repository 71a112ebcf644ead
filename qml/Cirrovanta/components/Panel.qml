import QtQuick
import Cirrovanta

// A translucent rounded card that menus sit on.
Rectangle {
    radius: Theme.panelRadius
    color: Theme.panel
    border.color: Theme.sky
    border.width: Theme.panelBorder
}
