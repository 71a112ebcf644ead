pragma ComponentBehavior: Bound

import QtQuick
import Cirrovanta
import QtQuick.Shapes

// A piece of ground drawn from its outline (corners in item coordinates),
// rounded, in layers from the outside in, with a soft shadow down and right.
// Its containment is the rounded outline itself, so the engine's crash test
// follows the drawing rather than the bounding box.
Item {
    id: terrain
    property var points: [Qt.point(0, 0), Qt.point(width, 0), Qt.point(width, height), Qt.point(0, height)]
    property color rimColor: Theme.rockRim
    property var layerColors: [Theme.rockFoot]
    property var layerScales: [1.0]
    // A margin drawn around the outline that does not count for collisions
    // (shallow water round an island, grass at a mountain's foot).
    property color skirtColor: Theme.clear
    property real skirtScale: 1.0
    property real shadowOffset: 8
    readonly property var outline: Polygon.smooth(points, 6)

    containmentMask: QtObject {
        function contains(point: point) : bool {
            return Polygon.contains(terrain.outline, point.x, point.y)
        }
    }

    Shape {
        anchors.fill: parent
        visible: terrain.shadowOffset > 0
        ShapePath {
            strokeColor: Theme.clear
            fillColor: Theme.terrainShadow
            PathPolyline { path: Polygon.closed(Polygon.offset(Polygon.shrunk(terrain.outline, terrain.skirtScale), terrain.shadowOffset, terrain.shadowOffset)) }
        }
    }
    Shape {
        anchors.fill: parent
        visible: terrain.skirtScale > 1
        ShapePath {
            strokeColor: Theme.clear
            fillColor: terrain.skirtColor
            PathPolyline { path: Polygon.closed(Polygon.shrunk(terrain.outline, terrain.skirtScale)) }
        }
    }
    Repeater {
        model: terrain.layerColors.length
        Shape {
            id: layer
            required property int index
            anchors.fill: parent
            ShapePath {
                strokeColor: layer.index === 0 ? terrain.rimColor : Theme.clear
                strokeWidth: layer.index === 0 ? 2 : 0
                joinStyle: ShapePath.RoundJoin
                fillColor: terrain.layerColors[layer.index]
                PathPolyline {
                    path: Polygon.closed(Polygon.shrunk(terrain.outline, terrain.layerScales[layer.index]))
                }
            }
        }
    }
}
