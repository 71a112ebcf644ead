import QtQuick
import "../components"

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
        if (passed && result.newBest)
            GameEngine.playSound(8)
    }

    MenuBackground { anchors.fill: parent }

    Picture {
        id: banner
        name: resultScreen.passed ? "win.svg" : "lose.svg"
        width: 300; height: 110
        anchors.horizontalCenter: parent.horizontalCenter
        y: 8
        NumberAnimation on scale { from: 0.4; to: 1; duration: 500; easing.type: Easing.OutBack }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.verticalCenter: parent.verticalCenter
            anchors.verticalCenterOffset: parent.height * 0.2
            text: resultScreen.passed ? qsTr("Well flown!") : qsTr("Try again")
            font.pixelSize: 24
            font.bold: true
            color: resultScreen.passed ? "#8a4b00" : "#3c4048"
        }
    }

    Panel {
        id: card
        width: 430
        height: 250
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: banner.bottom
        anchors.topMargin: 4
        Column {
            anchors.centerIn: parent
            spacing: 8
            width: parent.width - 60
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: resultScreen.passed ? qsTr("Landed!") : qsTr("Crashed")
                font.pixelSize: 32; font.bold: true
                color: resultScreen.passed ? "#4e9a4a" : "#e23b3b"
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
            Rectangle { width: parent.width; height: 2; color: "#2f7fc1"; visible: resultScreen.passed }
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
                font.pixelSize: 18; font.bold: Boolean(resultScreen.result.newBest)
                color: resultScreen.result.newBest ? "#ff8a2a" : "#3c4048"
            }
            Text {
                width: parent.width
                visible: !resultScreen.passed
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTr("Keep away from the hills and land before the petrol runs out.")
                font.pixelSize: 16
                color: "#3c4048"
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
            tint: resultScreen.passed ? "#2f7fc1" : "#ff8a2a"
            Keys.onRightPressed: focusNext(true)
            Keys.onLeftPressed: focusNext(false)
            onClicked: { GameEngine.playSound(4); resultScreen.session.startLevel(resultScreen.session.level) }
        }
        MenuButton {
            id: nextButton
            width: 190
            visible: resultScreen.next.length > 0 && resultScreen.session.pendingFinal.length === 0
            focus: resultScreen.firstChoice === "next"
            text: qsTr("Next flight")
            tint: "#ff8a2a"
            Keys.onRightPressed: focusNext(true)
            Keys.onLeftPressed: focusNext(false)
            onClicked: { GameEngine.playSound(4); resultScreen.session.startLevel(resultScreen.next) }
        }
        MenuButton {
            id: continueButton
            width: 190
            text: qsTr("Continue")
            tint: "#4e9a4a"
            focus: resultScreen.firstChoice === "continue"
            Keys.onRightPressed: focusNext(true)
            Keys.onLeftPressed: focusNext(false)
            onClicked: { GameEngine.playSound(4); resultScreen.session.afterResult() }
        }
        WatchButton { width: 190; session: resultScreen.session; from: "result"; Keys.onLeftPressed: focusNext(false) }
    }
}
