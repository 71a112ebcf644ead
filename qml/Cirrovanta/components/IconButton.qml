import QtQuick
import Cirrovanta

// A round button showing one picture, for the HUD and menu corners.
Item {
    id: button
    width: Theme.iconButtonSize
    height: Theme.iconButtonSize
    property string icon: ""
    property string label: ""
    signal clicked()

    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: label
    Accessible.onPressAction: clicked()
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    Keys.onSpacePressed: clicked()

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: mouse.pressed ? Theme.sky : Theme.white
        opacity: 0.85
        border.color: button.activeFocus ? Theme.accent : Theme.sky
        border.width: button.activeFocus ? 3 : 2
    }
    Picture {
        name: button.icon
        anchors.fill: parent
        anchors.margins: 6
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
