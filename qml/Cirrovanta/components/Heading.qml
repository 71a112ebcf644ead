import QtQuick

// A screen heading with a back button on the left.
Item {
    id: heading
    height: 64
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
        font.pixelSize: 36
        font.bold: true
        color: "#ffffff"
        style: Text.Outline
        styleColor: "#2f7fc1"
    }
}
