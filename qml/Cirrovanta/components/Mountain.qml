import QtQuick
import Cirrovanta

// A mountain: grassy foot, rock slopes and a snow cap, seen from above.
Terrain {
    skirtColor: Theme.grass
    skirtScale: 1.1
    rimColor: Theme.rockRim
    layerColors: [Theme.rockFoot, Theme.rockSlope, Theme.rockTop, Theme.snow]
    layerScales: [1.0, 0.74, 0.48, 0.26]
}
