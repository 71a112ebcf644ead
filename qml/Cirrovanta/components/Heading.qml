import QtQuick
import Cirrovanta

// A screen heading with a back button on the left.
Item {
    id: heading
    height: Theme.headingHeight
    property string text: ""
    property bool showBack: true
    signal back()

    IconButton {
        id: backButton
        visible: heading.showBack
        icon: "button_back.svg"
        label: qsTr("Back")
        activeFocusOnTab: false
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.verticalCenter: parent.verticalCenter
        onClicked: heading.back()
    }
    Text {
        anchors.centerIn: parent
        text: heading.text
        font.pixelSize: Theme.fontHeading
        font.bold: true
        color: Theme.white
        style: Text.Outline
        styleColor: Theme.sky
    }
}
