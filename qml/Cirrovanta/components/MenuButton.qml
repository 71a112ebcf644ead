import QtQuick

// A big friendly menu button: mouse, touch and keyboard (arrows move between
// buttons, Enter or Space presses).
Item {
    id: button
    width: 260
    height: 52
    property string text: ""
    property string icon: ""
    property bool locked: false
    property color tint: "#2f7fc1"
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
        color: button.locked ? "#9aa7b4" : (mouse.pressed ? Qt.darker(button.tint, 1.2) : button.tint)
        border.color: button.activeFocus ? "#ffd23f" : Qt.darker(color, 1.25)
        border.width: button.activeFocus ? 4 : 2
        scale: button.activeFocus || mouse.containsMouse ? 1.04 : 1
        Behavior on scale { NumberAnimation { duration: 120 } }

        Rectangle {
            anchors.left: parent.left; anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: 5
            height: parent.height * 0.42
            radius: height / 2
            color: "#ffffff"
            opacity: 0.18
        }
        Row {
            anchors.centerIn: parent
            spacing: 10
            Picture {
                visible: button.icon.length > 0
                name: button.icon
                width: 30; height: 30
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: button.text
                color: "#ffffff"
                font.pixelSize: 22
                font.bold: true
                style: Text.Raised
                styleColor: "#20000000"
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
