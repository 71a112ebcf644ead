import QtQuick

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
        color: card.locked ? "#dfe9f2" : "#ffffff"
        border.color: card.activeFocus ? "#ff8a2a" : (card.locked ? "#9aa7b4" : "#2f7fc1")
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
