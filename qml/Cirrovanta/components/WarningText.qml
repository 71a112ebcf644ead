import QtQuick

// Large, short-lived warnings at the top centre of the screen.
Text {
    id: warning
    property alias timer: hideTimer
    horizontalAlignment: Text.AlignHCenter
    font.pixelSize: 30
    font.bold: true
    color: "#ffffff"
    style: Text.Outline
    styleColor: "#e23b3b"
    visible: hideTimer.running
    textFormat: Text.PlainText

    function show(message, ms) {
        text = message
        hideTimer.interval = Math.max(200, ms)
        hideTimer.restart()
        pop.restart()
    }

    Timer { id: hideTimer }
    NumberAnimation on scale { id: pop; from: 1.3; to: 1; duration: 250; easing.type: Easing.OutBack }
}
