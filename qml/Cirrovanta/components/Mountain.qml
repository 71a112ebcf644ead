import QtQuick

// A mountain: grassy foot, rock slopes and a snow cap, seen from above.
Terrain {
    skirtColor: "#7cc56b"
    skirtScale: 1.1
    rimColor: "#5f5248"
    layerColors: ["#8c7b6b", "#a29282", "#c8bcae", "#f7f9fb"]
    layerScales: [1.0, 0.74, 0.48, 0.26]
}
