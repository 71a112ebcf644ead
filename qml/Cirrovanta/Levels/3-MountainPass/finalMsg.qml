import QtQuick
import Cirrovanta

// Shown once, when the last flight through the mountains is passed.
// The game hands the pilot's new rank in as `rank` (0 cadet … 4 captain).
FinalMessage {
    heading: qsTr("Mountain Pass complete!")
    story: qsTr("Valleys, canyons, a narrow pass and a runway in a bowl of peaks, and a long glide down from the heights. A storm is gathering beyond the ridge.")
}
