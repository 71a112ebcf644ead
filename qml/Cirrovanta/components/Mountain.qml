import QtQuick

// A mountain: rock slopes with a snow cap, seen from above.
Terrain {
    rimColor: "#5f5248"
    layerColors: ["#8c7b6b", "#a29282", "#c8bcae", "#f7f9fb"]
    layerScales: [1.0, 0.72, 0.45, 0.25]
}
