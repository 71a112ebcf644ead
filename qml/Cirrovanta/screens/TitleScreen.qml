pragma ComponentBehavior: Bound
import QtQuick
import Cirrovanta

// The title: a level flies itself behind a translucent menu.
GameScreen {
    id: title
    // Untyped, so that the level's documents load with the demo, after the first frame.
    readonly property Item demoLevel: demo.item as Item

    // Esc or the back key asks first; a second Esc keeps playing.
    function goBack() { askToQuit() }
    function askToQuit() {
        if (quitQuestion.children.length === 0)
            quitQuestionComponent.createObject(quitQuestion)
        quitQuestion.visible = true             // the question then focuses Keep flying
    }
    function stay() {
        quitQuestion.visible = false
        play.forceActiveFocus()
    }

    // The demo flight: the first level of the first group, steered along its
    // route. The engine timer stays off, so nothing is tested or saved.
    clip: true
    Loader {
        id: demo
        function startDemo() {
            var groups = title.session.groups()
            if (groups.length === 0)
                return
            var levels = title.session.levels(groups[0])
            if (levels.length === 0)
                return
            setSource(title.session.levelUrl(groups[0], levels[0]), { demo: true })
            if (!item)
                return
            item.prepare()
            title.session.levelLoaded()
            GameEngine.findQmlObjects()
            item.running = true
        }
        function stopDemo() {
            if (!item)
                return
            item.running = false
            item.objectName = "retired"
            GameEngine.clearQmlObjects()
            GameEngine.levelFinished()
            source = ""
        }
    }
    // The flight, and the rank in the corner, start once the title has been
    // drawn: building them takes longer than the menu, which the player should
    // see first. It also starts the engine after it has been wired to the
    // root, which the game does after building the title. A window that draws
    // nothing (hidden or minimised) starts it after a moment instead.
    property bool demoStarted: false
    function startDemoOnce() {
        if (demoStarted)
            return
        demoStarted = true
        rankCorner.createObject(title)
        demo.startDemo()
    }
    Connections {
        target: title.Window.window
        enabled: !title.demoStarted
        // Started from the event loop, so the frame's own work finishes first.
        function onFrameSwapped() {
            demoStart.interval = 0
            demoStart.restart()
        }
    }
    Timer {
        id: demoStart
        running: !title.demoStarted
        interval: 1000
        onTriggered: title.startDemoOnce()
    }
    function leave() { demo.stopDemo() }

    // A blue haze behind the logo, fading out halfway down: drawn over the
    // upper half only, as below that it would blend nothing into every frame.
    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: parent.height / 2
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.skyGlow }
            GradientStop { position: 1; color: Theme.fadeOut }
        }
    }

    Column {
        id: logo
        anchors.horizontalCenter: menu.horizontalCenter
        y: 22
        spacing: 0
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Cirrovanta")
            font.pixelSize: Theme.fontTitle
            font.bold: true
            font.italic: true
            color: Theme.white
            style: Text.Outline
            styleColor: Theme.sky
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("tilt, fly and land")
            font.pixelSize: Theme.fontLead
            color: Theme.white
            style: Text.Raised
            styleColor: Theme.skyGlow
        }
    }

    Panel {
        id: menu
        width: 300
        height: column.height + 36
        x: 60
        // Out of the keyboard's way while the quit question is up.
        enabled: !quitQuestion.visible
        anchors.top: logo.bottom
        anchors.topMargin: 14
        color: Theme.veil
        Column {
            id: column
            anchors.centerIn: parent
            spacing: 10
            MenuButton {
                id: play
                focus: true
                text: qsTr("Play")
                tint: Theme.accent
                onClicked: { GameEngine.playSound(Sounds.buttonClick); title.session.go("groups") }
            }
            MenuButton { text: qsTr("Settings"); onClicked: { GameEngine.playSound(Sounds.buttonClick); title.session.go("settings") } }
            MenuButton { text: qsTr("How to hold"); onClicked: { GameEngine.playSound(Sounds.buttonClick); title.session.go("howto") } }
            MenuButton { text: qsTr("About"); onClicked: { GameEngine.playSound(Sounds.buttonClick); title.session.go("about") } }
            MenuButton { text: qsTr("Quit"); tint: Theme.go; onClicked: Qt.quit() }
        }
    }

    // The pilot's rank in the corner, made with the demo flight.
    Component {
        id: rankCorner
        Panel {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 14
            // Grows to the left for the longer rank names.
            width: Math.max(230, rankRow.width + 28)
            height: 86
            color: Theme.veil
            Row {
                id: rankRow
                anchors.centerIn: parent
                spacing: 10
                Picture { name: Ranks.at(title.session.pilotRank).cap; width: 64; height: 64 }
                Column {
                    anchors.verticalCenter: parent.verticalCenter
                    Text { text: qsTr("Pilot rank"); font.pixelSize: Theme.fontCaption; color: Theme.ink }
                    Text {
                        text: Ranks.at(title.session.pilotRank).name
                        font.pixelSize: Theme.fontLead; font.bold: true; color: Theme.sky
                    }
                }
                Picture {
                    anchors.verticalCenter: parent.verticalCenter
                    name: Ranks.at(title.session.pilotRank).insignia
                    width: 48; height: 20
                }
            }
        }
    }

    // A newer version is waiting: a tap leads to the details. Made only then,
    // as even hidden, its text would be laid out in a font of its own.
    Repeater {
        model: title.session.updateOffered ? 1 : 0
        Rectangle {
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: 14
            width: updateNote.width + 30
            height: 40
            radius: 20
            color: Theme.focus
            border.color: Theme.accent
            border.width: 2
            Accessible.role: Accessible.Button
            Accessible.name: updateNote.text
            Text {
                id: updateNote
                anchors.centerIn: parent
                text: qsTr("A new version is ready")
                font.pixelSize: Theme.fontBody
                font.bold: true
                color: Theme.ink
            }
            MouseArea { anchors.fill: parent; onClicked: title.session.go("about") }
        }
    }

    // Asked for by Esc or the back key; its content is made the first time.
    Item {
        id: quitQuestion
        objectName: "quitQuestion"
        anchors.fill: parent
        visible: false
        z: 10
    }
    Component {
        id: quitQuestionComponent
        FocusScope {
            anchors.fill: parent
            // Each time it is asked: never Quit by a second Return.
            onVisibleChanged: if (visible) stayButton.forceActiveFocus()
            Keys.onEscapePressed: (event) => { event.accepted = true; title.stay() }
            Keys.onBackPressed: (event) => { event.accepted = true; title.stay() }
            Rectangle { anchors.fill: parent; color: Theme.skyShade }
            MouseArea { anchors.fill: parent; onClicked: title.stay() }
            Panel {
                anchors.centerIn: parent
                width: 450
                height: 200
                Column {
                    anchors.centerIn: parent
                    spacing: 18
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: qsTr("Quit Cirrovanta?")
                        font.pixelSize: Theme.fontWarning; font.bold: true
                        color: Theme.sky
                    }
                    Row {
                        anchors.horizontalCenter: parent.horizontalCenter
                        spacing: 14
                        MenuButton {
                            id: stayButton
                            objectName: "stayButton"
                            width: 196
                            focus: true
                            text: qsTr("Keep flying")
                            tint: Theme.accent
                            Keys.onRightPressed: focusNext(true)
                            Keys.onLeftPressed: focusNext(false)
                            onClicked: { GameEngine.playSound(Sounds.buttonClick); title.stay() }
                        }
                        MenuButton {
                            objectName: "quitButton"
                            width: 196
                            text: qsTr("Quit")
                            tint: Theme.go
                            Keys.onRightPressed: focusNext(true)
                            Keys.onLeftPressed: focusNext(false)
                            onClicked: Qt.quit()
                        }
                    }
                }
            }
        }
    }
}
