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

    // What the layers, the skirt, the shadow and the rim's stroke cover, in
    // item coordinates: the skirt and the shadow reach outside the item.
    readonly property rect drawnBounds: {
        const skirt = Polygon.shrunk(outline, skirtScale)
        const shadow = shadowOffset > 0 ? Polygon.offset(skirt, shadowOffset, shadowOffset) : []
        const all = outline.concat(skirt, shadow)
        let x0 = 0, y0 = 0, x1 = width, y1 = height
        for (const p of all) {
            x0 = Math.min(x0, p.x); y0 = Math.min(y0, p.y)
            x1 = Math.max(x1, p.x); y1 = Math.max(y1, p.y)
        }
        x0 = Math.floor(x0) - 2; y0 = Math.floor(y0) - 2
        return Qt.rect(x0, y0, Math.ceil(x1) + 2 - x0, Math.ceil(y1) + 2 - y0)
    }
    // The outlines never change in a flight, but a scrolling world dirties
    // the whole window each frame, and filling and stroking every path again
    // was the largest part of a frame without a GPU. They are drawn once into
    // a picture at the size shown, which each frame then only moves, and
    // drawn again when the outline or the colours change.
    onOutlineChanged: drawing.retake()
    onRimColorChanged: drawing.retake()
    onLayerColorsChanged: drawing.retake()
    onLayerScalesChanged: drawing.retake()
    onSkirtColorChanged: drawing.retake()
    onSkirtScaleChanged: drawing.retake()
    onShadowOffsetChanged: drawing.retake()
    Snapshot {
        id: drawing
        x: terrain.drawnBounds.x
        y: terrain.drawnBounds.y
        width: terrain.drawnBounds.width
        height: terrain.drawnBounds.height
        Repeater {
            model: drawing.pictured ? 0 : 1
            Item {
                Shape {
                    x: -drawing.x; y: -drawing.y
                    width: terrain.width; height: terrain.height
                    visible: terrain.shadowOffset > 0
                    ShapePath {
                        strokeColor: Theme.clear
                        fillColor: Theme.terrainShadow
                        PathPolyline { path: Polygon.closed(Polygon.offset(Polygon.shrunk(terrain.outline, terrain.skirtScale), terrain.shadowOffset, terrain.shadowOffset)) }
                    }
                }
                Shape {
                    x: -drawing.x; y: -drawing.y
                    width: terrain.width; height: terrain.height
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
                        x: -drawing.x; y: -drawing.y
                        width: terrain.width; height: terrain.height
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
        }
    }
}
