import QtQuick
import "../../components"

// Little petrol: climb to speed, then glide the last stretch onto the runway.
Level {
    title: qsTr("A glide with little petrol")
    worldWidth: 1800
    worldHeight: 900
    parTime: 30
    water: "#4fb0e0"
    startX: 100
    startY: 500
    startAngle: Math.PI / 2
    route: [Qt.point(500, 400), Qt.point(1000, 330), Qt.point(1350, 400), Qt.point(1480, 420)]

    Mountain {
        objectName: "obstruction_ridge"
        x: 560; y: 520
        width: 360; height: 300
        points: [Qt.point(20, 120), Qt.point(140, 10), Qt.point(300, 60), Qt.point(350, 220),
                 Qt.point(200, 295), Qt.point(60, 250)]
    }
    Island {
        x: 1260; y: 250
        width: 460; height: 340
        points: [Qt.point(40, 120), Qt.point(180, 20), Qt.point(400, 40), Qt.point(455, 200),
                 Qt.point(330, 330), Qt.point(100, 310)]
    }
    Runway {
        objectName: "landing1"
        x: 1330; y: 397
        width: 300; height: 46
        rotation: 4
    }
    Airplane {
        model: 3
        petrol: 0.5
        petrolTime: 30
        turningFactor: 0.05
        accFactor: 1.8
        resistanceFactor: 1.015
        minSpeed: 45
        maxSpeed: 125
        speed: 70
        fps: 30
        landingTime: 2400
        finalSound: 7
    }
    Buoy { objectName: "buoy1"; x: 980; y: 310; colour: 3 }
    CloudPatch { objectName: "cloud1"; x: 300; y: 140; width: 200; height: 146 }
    Fog { x: 900; y: 600; travel: 220 }
}
