import QtQuick

// An island: shallow water round a sandy beach and green land.
Terrain {
    skirtColor: "#4fc6c0"
    skirtScale: 1.12
    shadowOffset: 0
    rimColor: "#c9a862"
    layerColors: ["#f2d79b", "#7cc56b", "#4e9a4a"]
    layerScales: [1.0, 0.84, 0.5]
}
