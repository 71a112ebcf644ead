import QtQuick
import Cirrovanta

// Lesson: clouds and the seat-belt sign. The way to the runway leads through
// a bank of clouds; inside them the chime sounds and the seat-belt sign
// lights, so the passengers are strapped in before the bumps.
Level {
    title: qsTr("Through the clouds")
    worldWidth: 1700
    worldHeight: 1000
    parTime: 21
    parResult: 900
    startX: 120
    startY: 800
    startAngle: 0.6
    route: [Qt.point(400, 620), Qt.point(750, 430), Qt.point(1080, 310), Qt.point(1300, 300)]

    Mountain {
        objectName: "obstruction_peak"
        x: 280; y: 70
        width: 320; height: 250
        points: [Qt.point(30, 130), Qt.point(120, 20), Qt.point(250, 30), Qt.point(310, 150),
                 Qt.point(220, 240), Qt.point(70, 225)]
    }
    Island {
        x: 1180; y: 170
        width: 460; height: 270
        points: [Qt.point(30, 110), Qt.point(150, 15), Qt.point(400, 30), Qt.point(455, 150),
                 Qt.point(360, 260), Qt.point(90, 240)]
    }
    Runway {
        objectName: "landing1"
        x: 1250; y: 277
        width: 300; height: 46
    }
    Airplane {
        petrol: 1
        petrolTime: 50
        turningFactor: 0.055
        accFactor: 1.7
        resistanceFactor: 1.02
        minSpeed: 45
        maxSpeed: 100
        speed: 60
        fps: 30
        landingTime: 3000
        finalSound: Sounds.fanfare
    }
    CloudPatch { objectName: "cloud1"; x: 330; y: 500 }
    CloudPatch { objectName: "cloud2"; x: 520; y: 380; width: 260; height: 180 }
    CloudPatch { objectName: "cloud3"; x: 760; y: 290; drift: 20 }
    CloudPatch { objectName: "cloud4"; x: 640; y: 600; width: 180; height: 130 }
    Buoy { objectName: "buoy1"; x: 733; y: 413; colour: 2 }
}
