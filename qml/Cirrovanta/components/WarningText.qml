import QtQuick
import Cirrovanta

// Large, short-lived warnings at the top centre of the screen.
Text {
    id: warning
    property alias timer: hideTimer
    horizontalAlignment: Text.AlignHCenter
    font.pixelSize: Theme.fontWarning
    font.bold: true
    color: Theme.white
    style: Text.Outline
    styleColor: Theme.danger
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
