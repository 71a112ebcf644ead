pragma ComponentBehavior: Bound
import QtQuick
import Cirrovanta

// A big friendly menu button: mouse, touch and keyboard (arrows move between
// buttons, Enter or Space presses).
Item {
    id: button
    width: Theme.menuButtonWidth
    height: Theme.menuButtonHeight
    property string text: ""
    property string icon: ""
    property bool locked: false
    property color tint: Theme.sky
    signal clicked()

    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: clicked()

    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    Keys.onSpacePressed: clicked()
    Keys.onDownPressed: focusNext(true)
    Keys.onUpPressed: focusNext(false)

    function focusNext(forward) {
        var next = button.nextItemInFocusChain(forward)
        if (next)
            next.forceActiveFocus()
    }

    Rectangle {
        id: face
        anchors.fill: parent
        radius: height / 2
        color: button.locked ? Theme.off : (mouse.pressed ? Qt.darker(button.tint, 1.2) : button.tint)
        border.color: button.activeFocus ? Theme.focus : Qt.darker(color, 1.25)
        border.width: button.activeFocus ? 4 : 2
        scale: button.activeFocus || mouse.containsMouse ? 1.04 : 1
        Behavior on scale { NumberAnimation { duration: 120 } }

        Rectangle {
            anchors.left: parent.left; anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: 5
            height: parent.height * 0.42
            radius: height / 2
            color: Theme.white
            opacity: 0.18
        }
        Row {
            anchors.centerIn: parent
            spacing: 10
            // Made only for a button that has an icon, which most have not.
            Repeater {
                model: button.icon.length > 0 ? 1 : 0
                Picture {
                    name: button.icon
                    width: 30; height: 30
                    anchors.verticalCenter: parent.verticalCenter
                }
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: button.text
                color: Theme.white
                font.pixelSize: Theme.fontButton
                font.bold: true
                style: Text.Raised
                styleColor: Theme.textShade
            }
        }
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.clicked()
    }
}
