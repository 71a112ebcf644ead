pragma ComponentBehavior: Bound

import QtQuick
import Cirrovanta

// The flights of one group: number, name, passed flag and best result.
GameScreen {
    id: levelsScreen
    readonly property var levels: session ? session.levels(session.group) : []
    // The flight just flown in this group keeps the focus; else the first one.
    readonly property int flownIndex: {
        if (!session)
            return 0
        var prefix = session.group + "/"
        if (session.levelName.indexOf(prefix) !== 0)
            return 0
        return Math.max(0, levels.indexOf(session.levelName.slice(prefix.length)))
    }

    MenuBackground { anchors.fill: parent }
    Heading {
        id: heading
        width: parent.width
        text: Titles.group(levelsScreen.session.group, Names.groupTitle(levelsScreen.session.group))
        onBack: levelsScreen.goBack()
    }

    // Cards are built as the grid scrolls, so a group of thousands of flights
    // costs a screenful.
    GridView {
        id: grid
        readonly property int columns: Math.min(5, Math.max(1, levelsScreen.levels.length))
        readonly property int rows: Math.ceil(levelsScreen.levels.length / columns)
        anchors.horizontalCenter: parent.horizontalCenter
        y: heading.height + Math.max(0, (parent.height - heading.height - height) / 2)
        width: columns * cellWidth
        height: Math.min(rows * cellHeight, parent.height - heading.height - 8)
        cellWidth: 166
        cellHeight: 186
        clip: true
        focus: true
        model: levelsScreen.levels
        currentIndex: levelsScreen.flownIndex
        Component.onCompleted: positionViewAtIndex(currentIndex, GridView.Contain)

        // The card's own arrow keys follow the focus chain, which in a view
        // holds only the cards built so far; the grid knows the neighbours.
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
            width: grid.cellWidth
            height: grid.cellHeight
            focus: GridView.isCurrentItem

            Card {
                id: card
                readonly property string modelData: cell.modelData
                readonly property string fullName: levelsScreen.session.group + "/" + modelData
                readonly property bool passed: Boolean(GameEngine.getPassed(fullName))
                readonly property int best: Number(GameEngine.getResult(fullName))
                objectName: "flight_" + modelData
                anchors.centerIn: parent
                width: 150
                height: 170
                focus: true
                accessibleName: qsTr("Flight %1: %2").arg(Names.levelNumber(modelData)).arg(Titles.level(levelsScreen.session.group, modelData, Names.levelTitle(modelData)))
                onClicked: {
                    GameEngine.playSound(Sounds.buttonClick)
                    levelsScreen.session.startLevel(modelData)
                }
                Keys.onRightPressed: grid.focusCard(cell.index, 1)
                Keys.onLeftPressed: grid.focusCard(cell.index, -1)
                Keys.onDownPressed: grid.focusCard(cell.index, grid.columns)
                Keys.onUpPressed: grid.focusCard(cell.index, -grid.columns)
                onActiveFocusChanged: if (activeFocus) grid.currentIndex = cell.index

                BestFlightBadge { anchors.right: parent.right; anchors.margins: 6; y: 6; level: card.fullName; session: levelsScreen.session }
                Column {
                    anchors.centerIn: parent
                    spacing: 6
                    Rectangle {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: 58; height: 58; radius: 29
                        color: card.passed ? Theme.go : Theme.sky
                        Text {
                            anchors.centerIn: parent
                            text: Names.levelNumber(card.modelData)
                            font.pixelSize: Theme.fontSubtitle; font.bold: true
                            color: Theme.white
                        }
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: card.width - 14
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: Titles.level(levelsScreen.session.group, card.modelData, Names.levelTitle(card.modelData))
                        font.pixelSize: Theme.fontLabel; font.bold: true
                        color: Theme.sky
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: card.passed ? qsTr("Best %1").arg(card.best) : qsTr("Not landed yet")
                        font.pixelSize: Theme.fontCaption
                        color: card.passed ? Theme.go : Theme.slate
                    }
                }
            }
        }
    }
}
