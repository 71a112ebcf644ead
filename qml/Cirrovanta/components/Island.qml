import QtQuick
import Cirrovanta

// An island: shallow water round a sandy beach and green land.
Terrain {
    skirtColor: Theme.shallows
    skirtScale: 1.12
    shadowOffset: 0
    rimColor: Theme.sandRim
    layerColors: [Theme.sand, Theme.grass, Theme.go]
    layerScales: [1.0, 0.84, 0.5]
}
