import QtQuick
import QtQuick.Shapes
import "Polygon.js" as Polygon

// A piece of ground drawn from its outline (corners in item coordinates) in
// layers from the outside in. Its containment is the exact outline, so the
// engine's crash test follows the drawing rather than the bounding box.
Item {
    id: terrain
    property var points: [Qt.point(0, 0), Qt.point(width, 0), Qt.point(width, height), Qt.point(0, height)]
    property color rimColor: "#5f5248"
    property var layerColors: ["#8c7b6b"]
    property var layerScales: [1.0]

    containmentMask: QtObject {
        function contains(point: point) : bool {
            return Polygon.contains(terrain.points, point.x, point.y)
        }
    }

    Repeater {
        model: terrain.layerColors.length
        Shape {
            required property int index
            anchors.fill: parent
            preferredRendererType: Shape.CurveRenderer
            ShapePath {
                strokeColor: index === 0 ? terrain.rimColor : "transparent"
                strokeWidth: index === 0 ? 2 : 0
                joinStyle: ShapePath.RoundJoin
                fillColor: terrain.layerColors[index]
                PathPolyline {
                    path: Polygon.closed(Polygon.shrunk(terrain.points, terrain.layerScales[index]))
                }
            }
        }
    }
}
