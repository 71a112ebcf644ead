import QtQuick
import Cirrovanta

// Shown once, when the last flight of the Flight School is passed.
// The game hands the pilot's new rank in as `rank` (0 cadet … 4 captain).
FinalMessage {
    heading: qsTr("Flight School complete!")
    story: qsTr("You can hold a heading, turn with care, glide home on the last drop of petrol and keep calm in the clouds. The islands are waiting.")
}
