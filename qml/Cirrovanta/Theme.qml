pragma Singleton
import QtQuick

// The game's look in one place: every colour and text size the screens, the
// HUD and the shared pieces use. Levels may paint their own sea and land.
QtObject {
    // --- Colours -------------------------------------------------------------
    // The palette: a sky blue, dark ink, an orange for what to press next, a
    // green for what went well, a yellow for focus and light, a red for danger.
    readonly property color sky: "#2f7fc1"
    readonly property color ink: "#3c4048"
    readonly property color slate: "#6d7884"     // quieter text
    readonly property color accent: "#ff8a2a"
    readonly property color go: "#4e9a4a"
    readonly property color focus: "#ffd23f"
    readonly property color danger: "#e23b3b"
    readonly property color white: "#ffffff"
    readonly property color off: "#9aa7b4"       // locked buttons, switches off
    readonly property color pale: "#dfe9f2"      // locked cards, empty steps
    readonly property color note: "#fff4cc"      // a note's paper
    readonly property color amber: "#8a4b00"     // praise on the stars
    readonly property color clear: "transparent"

    // Translucent layers over the scene.
    readonly property color panel: "#e6ffffff"   // a card's 90 % white
    readonly property color veil: "#b3ffffff"    // 70 % white
    readonly property color skyShade: "#802f7fc1"
    readonly property color skyGlow: "#662f7fc1"
    readonly property color fadeOut: "#00000000"
    readonly property color dim: "#c0000000"
    readonly property color textShade: "#20000000"

    // The world's own colours: sea, shore, grass, rock and runway.
    readonly property color sea: "#55b3e8"
    readonly property color haze: "#bfe8ff"      // light sky, wakes, clouds' rims
    readonly property color shallows: "#4fc6c0"
    readonly property color grass: "#7cc56b"
    readonly property color sand: "#f2d79b"
    readonly property color sandRim: "#c9a862"
    readonly property color rockRim: "#5f5248"
    readonly property color rockFoot: "#8c7b6b"
    readonly property color rockSlope: "#a29282"
    readonly property color rockTop: "#c8bcae"
    readonly property color snow: "#f7f9fb"
    readonly property color asphalt: "#5f6570"
    readonly property color terrainShadow: "#30163a5c"

    // --- Text sizes (pixels on the 854×480 stage) ----------------------------
    readonly property int fontCaption: 14
    readonly property int fontSmall: 15
    readonly property int fontBody: 16
    readonly property int fontLabel: 17
    readonly property int fontText: 18
    readonly property int fontMessage: 19
    readonly property int fontLead: 20
    readonly property int fontButton: 22
    readonly property int fontLarge: 24
    readonly property int fontSign: 26
    readonly property int fontSubtitle: 28
    readonly property int fontWarning: 30
    readonly property int fontHeading: 36
    readonly property int fontBanner: 44
    readonly property int fontTitle: 64

    // --- Sizes of the shared pieces and the HUD ---------------------------------
    readonly property int menuButtonWidth: 260
    readonly property int menuButtonHeight: 52
    readonly property int iconButtonSize: 48
    readonly property int panelRadius: 22
    readonly property int panelBorder: 2
    readonly property int headingHeight: 64
    readonly property int hudMargin: 12       // the HUD's pieces from the screen's edges
    readonly property int hudTop: 8
    readonly property int hudSpacing: 8
    readonly property int hudIcon: 44         // the seat-belt sign, sound and pause
    readonly property int hudGlow: 14         // the ground warning's red edge
    readonly property int gaugeWidth: 170
    readonly property int gaugeHeight: 40
    readonly property int radarSize: 120
    readonly property int radarMargin: 10

    // --- Pictures drawn at the size shown -----------------------------------
    // The stage's scale in a window of w × h, times the screen's pixel ratio.
    function shownScale(w, h, pixelRatio) {
        return (w > 0 && h > 0 ? Math.min(w / 854, h / 480) : 1) * pixelRatio
    }
    // What pictures are drawn at: that in half steps and never below one, so
    // that a window being resized does not have them drawn again at every pixel.
    function pictureScale(shown) { return Math.max(1, Math.ceil(shown * 2) / 2) }
}
