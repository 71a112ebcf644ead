import QtQuick

// An island: a sandy beach around green land.
Terrain {
    rimColor: "#c9a862"
    layerColors: ["#f2d79b", "#7cc56b", "#4e9a4a"]
    layerScales: [1.0, 0.82, 0.5]
}
