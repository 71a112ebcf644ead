pragma ComponentBehavior: Bound

import QtQuick
import Cirrovanta

// After a flight: win or lose, how the result was made up, and the way on.
GameScreen {
    id: resultScreen
    readonly property var result: session ? session.lastResult : ({})
    readonly property bool passed: Boolean(result.passed)
    readonly property string next: passed && session ? session.nextLevel() : ""
    // The button the keyboard starts on: the closing message first, then the
    // next flight, else another try after a crash.
    readonly property string firstChoice: session && session.pendingFinal.length ? "continue"
        : next.length ? "next" : passed ? "continue" : "retry"

    function goBack() { session.afterResult() }

    Component.onCompleted: {
        // Once per flight: coming back from its replay is no new best.
        if (passed && result.newBest && !result.applauded) {
            result.applauded = true
            GameEngine.playSound(Sounds.shortApplause)
        }
    }

    MenuBackground { anchors.fill: parent }

    // Why the flight ended, and what its stars say.
    readonly property string reason: result.reason || ""
    readonly property bool wrecked: Boolean(result.wrecked)
    readonly property int stars: Scoring.stars(passed, result.total || 0, result.parResult || 0, wrecked)
    readonly property string heading: passed ? (wrecked ? qsTr("Dangerous landing!") : qsTr("Landed!"))
        : reason === "terrain" ? qsTr("Crashed into the terrain")
        : reason === "petrol" ? qsTr("Out of petrol")
        : reason === "runway" ? qsTr("Off the runway")
        : qsTr("Crashed")
    readonly property string explanation: wrecked ? qsTr("The tank ran dry before the landing was done: one star at most.")
        : passed ? qsTr("Three stars from %1 points").arg(result.parResult || 0)
        : reason === "terrain" ? qsTr("The aeroplane flew into the ground. Turn away as soon as the terrain warning sounds.")
        : reason === "petrol" ? qsTr("The tank ran dry before the aeroplane reached a runway. Take a shorter line to the runway.")
        : reason === "runway" ? qsTr("The aeroplane glided onto the runway but left it before the landing was done. Touch down early and follow the runway's line.")
        : qsTr("Keep away from the hills and land before the petrol runs out.")
    readonly property string praise: !passed ? qsTr("Try again")
        : stars >= 3 ? qsTr("Well flown!")
        : stars === 2 ? qsTr("Good flight")
        : wrecked ? qsTr("Close call") : qsTr("Landed")

    // The ribbon with its three stars, each gold or hollow. The artwork has
    // either all gold (win) or all hollow (lose), so every star is cut out of
    // the one it needs; the columns are the stars' places in the artwork's
    // 320×140 units.
    Item {
        id: banner
        objectName: "banner"
        readonly property real unit: 0.8
        readonly property var columns: [[100, 135], [135, 185], [185, 221]]
        width: 320 * unit; height: 140 * unit
        anchors.horizontalCenter: parent.horizontalCenter
        y: 8
        NumberAnimation on scale { from: 0.4; to: 1; duration: 500; easing.type: Easing.OutBack }
        Picture {
            visible: resultScreen.stars === 3
            anchors.fill: parent
            name: "win.svg"
        }
        Item {
            visible: resultScreen.stars < 3
            y: 53 * banner.unit
            width: banner.width; height: banner.height - y
            clip: true
            Picture { y: -parent.y; width: banner.width; height: banner.height; name: resultScreen.passed ? "win.svg" : "lose.svg" }
        }
        Repeater {
            model: 3
            Item {
                id: star
                required property int index
                readonly property bool earned: star.index < resultScreen.stars
                objectName: star.earned ? "starEarned" : "starHollow"
                visible: resultScreen.stars < 3
                x: banner.columns[star.index][0] * banner.unit
                y: 2 * banner.unit
                width: (banner.columns[star.index][1] - banner.columns[star.index][0]) * banner.unit
                height: 52 * banner.unit
                clip: true
                Picture { x: -star.x; y: -star.y; width: banner.width; height: banner.height; name: star.earned ? "win.svg" : "lose.svg" }
            }
        }
        Text {
            objectName: "praise"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.verticalCenter: parent.verticalCenter
            anchors.verticalCenterOffset: parent.height * 0.14
            width: 180
            horizontalAlignment: Text.AlignHCenter
            text: resultScreen.praise
            font.pixelSize: Theme.fontLarge
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.fontCaption
            font.bold: true
            color: resultScreen.passed ? Theme.amber : Theme.ink
        }
    }

    Panel {
        id: card
        width: 460
        height: 276
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: banner.bottom
        anchors.topMargin: 4
        Column {
            anchors.centerIn: parent
            spacing: 7
            width: parent.width - 60
            Text {
                objectName: "heading"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: resultScreen.heading
                font.pixelSize: Theme.fontWarning; font.bold: true
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: Theme.fontText
                color: resultScreen.passed && !resultScreen.wrecked ? Theme.go : Theme.danger
            }
            ScoreLine {
                visible: resultScreen.passed
                width: parent.width
                label: qsTr("Petrol left")
                value: resultScreen.result.petrol || 0
            }
            ScoreLine {
                visible: resultScreen.passed
                width: parent.width
                label: qsTr("Buoys burst: %1").arg(resultScreen.result.buoysBurst || 0)
                value: resultScreen.result.buoys || 0
            }
            ScoreLine {
                visible: resultScreen.passed
                width: parent.width
                label: qsTr("Time bonus (%1 s)").arg(resultScreen.result.seconds || 0)
                value: resultScreen.result.time || 0
            }
            Rectangle { width: parent.width; height: 2; color: Theme.sky; visible: resultScreen.passed }
            ScoreLine {
                width: parent.width
                label: qsTr("Result")
                value: resultScreen.result.total || 0
                strong: true
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: resultScreen.result.newBest ? qsTr("New best!") : qsTr("Best %1").arg(resultScreen.result.best || 0)
                font.pixelSize: Theme.fontText; font.bold: Boolean(resultScreen.result.newBest)
                color: resultScreen.result.newBest ? Theme.accent : Theme.ink
            }
            Text {
                objectName: "explanation"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: resultScreen.explanation
                font.pixelSize: Theme.fontBody
                color: Theme.ink
            }
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 14
        spacing: 14
        MenuButton {
            id: retryButton
            width: 190
            focus: resultScreen.firstChoice === "retry"
            text: qsTr("Try again")
            tint: resultScreen.passed ? Theme.sky : Theme.accent
            Keys.onRightPressed: focusNext(true)
            Keys.onLeftPressed: focusNext(false)
            onClicked: { GameEngine.playSound(Sounds.buttonClick); resultScreen.session.startLevel(resultScreen.session.level) }
        }
        MenuButton {
            id: nextButton
            width: 190
            visible: resultScreen.next.length > 0 && resultScreen.session.pendingFinal.length === 0
            focus: resultScreen.firstChoice === "next"
            text: qsTr("Next flight")
            tint: Theme.accent
            Keys.onRightPressed: focusNext(true)
            Keys.onLeftPressed: focusNext(false)
            onClicked: { GameEngine.playSound(Sounds.buttonClick); resultScreen.session.startLevel(resultScreen.next) }
        }
        MenuButton {
            id: continueButton
            width: 190
            text: qsTr("Continue")
            tint: Theme.go
            focus: resultScreen.firstChoice === "continue"
            Keys.onRightPressed: focusNext(true)
            Keys.onLeftPressed: focusNext(false)
            onClicked: { GameEngine.playSound(Sounds.buttonClick); resultScreen.session.afterResult() }
        }
        WatchButton { width: 190; session: resultScreen.session; from: "result"; Keys.onLeftPressed: focusNext(false) }
    }
}
