import QtQuick
import Cirrovanta

// A focusable tile for the group and level choosers. Arrow keys move to the
// neighbouring tile, Enter or Space opens it.
FocusScope {
    id: card
    width: 180
    height: 150
    property bool locked: false
    property string accessibleName: ""
    default property alias content: face.data
    signal clicked()

    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Accessible.onPressAction: clicked()
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    Keys.onSpacePressed: clicked()
    Keys.onRightPressed: step(true)
    Keys.onDownPressed: step(true)
    Keys.onLeftPressed: step(false)
    Keys.onUpPressed: step(false)

    function step(forward) {
        var next = card.nextItemInFocusChain(forward)
        if (next)
            next.forceActiveFocus()
    }

    Rectangle {
        id: face
        anchors.fill: parent
        radius: 18
        color: card.locked ? Theme.pale : Theme.white
        border.color: card.activeFocus ? Theme.accent : (card.locked ? Theme.off : Theme.sky)
        border.width: card.activeFocus ? 4 : 2
        scale: card.activeFocus || mouse.containsMouse ? 1.05 : 1
        Behavior on scale { NumberAnimation { duration: 120 } }
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: card.clicked()
    }
}
