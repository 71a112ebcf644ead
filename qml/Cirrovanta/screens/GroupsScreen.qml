pragma ComponentBehavior: Bound

import QtQuick
import Cirrovanta

// The level groups: name, finished flag, total; locked until the group before
// is finished.
GameScreen {
    id: groupsScreen
    readonly property var groups: session ? session.groups() : []

    MenuBackground { anchors.fill: parent }
    Heading {
        width: parent.width
        text: qsTr("Choose a flight school")
        onBack: groupsScreen.goBack()
    }

    // Cards are built as the list scrolls, so thousands of groups cost a
    // screenful. The group played last keeps the focus; else the first one.
    ListView {
        id: list
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: 20
        width: Math.min(groupsScreen.groups.length * 198, parent.width - 16)
        height: 230
        orientation: ListView.Horizontal
        clip: true
        focus: true
        model: groupsScreen.groups
        currentIndex: Math.max(0, groupsScreen.groups.indexOf(groupsScreen.session.group))
        Component.onCompleted: positionViewAtIndex(currentIndex, ListView.Contain)

        // The card's own arrow keys follow the focus chain, which in a view
        // holds only the cards built so far; the list knows the neighbours.
        function focusCard(from, step) {
            var to = from + step
            currentIndex = to >= 0 && to < count ? to : from
            if (currentItem)
                currentItem.forceActiveFocus()
        }

        delegate: FocusScope {
            id: cell
            required property string modelData
            required property int index
            width: 198
            height: 230
            focus: ListView.isCurrentItem

            Card {
                id: card
                readonly property string modelData: cell.modelData
                readonly property int index: cell.index
                readonly property bool open: groupsScreen.session.groupOpen(groupsScreen.groups, index)
                readonly property bool finished: Boolean(GameEngine.getPassed(modelData))
                readonly property int total: Number(GameEngine.getResult(modelData))
                objectName: "group_" + modelData
                anchors.centerIn: parent
                width: 180
                height: 210
                focus: true
                locked: !open
                accessibleName: Titles.group(modelData, Names.groupTitle(modelData))
                onClicked: {
                    if (!open) {
                        GameEngine.playSound(Sounds.wrongBeep)
                        shake.restart()
                        return
                    }
                    GameEngine.playSound(Sounds.buttonClick)
                    groupsScreen.session.openGroup(modelData)
                }
                Keys.onRightPressed: list.focusCard(cell.index, 1)
                Keys.onDownPressed: list.focusCard(cell.index, 1)
                Keys.onLeftPressed: list.focusCard(cell.index, -1)
                Keys.onUpPressed: list.focusCard(cell.index, -1)
                onActiveFocusChanged: if (activeFocus) list.currentIndex = cell.index

                SequentialAnimation {
                    id: shake
                    NumberAnimation { target: card; property: "rotation"; to: 4; duration: 60 }
                    NumberAnimation { target: card; property: "rotation"; to: -4; duration: 90 }
                    NumberAnimation { target: card; property: "rotation"; to: 0; duration: 60 }
                }
                Column {
                    anchors.centerIn: parent
                    spacing: 8
                    Picture {
                        anchors.horizontalCenter: parent.horizontalCenter
                        name: card.open ? (card.finished ? "level_bonus.svg" : "plane_" + (card.index % 3 + 1) + ".svg") : "level_unknown.svg"
                        width: 70; height: 70
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: card.width - 16
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: Titles.group(card.modelData, Names.groupTitle(card.modelData))
                        font.pixelSize: Theme.fontLead; font.bold: true
                        color: card.open ? Theme.sky : Theme.slate
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: !card.open ? qsTr("Locked") : card.finished ? qsTr("Finished ✓") : qsTr("Open")
                        font.pixelSize: Theme.fontSmall
                        color: card.finished ? Theme.go : Theme.ink
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        visible: card.open
                        text: qsTr("Total %1").arg(card.total)
                        font.pixelSize: Theme.fontSmall
                        color: Theme.ink
                    }
                }
            }
        }
    }
    Text {
        anchors.centerIn: parent
        visible: groupsScreen.groups.length === 0
        text: qsTr("No flights found.")
        font.pixelSize: Theme.fontLarge
        color: Theme.white
    }
}
