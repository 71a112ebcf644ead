pragma Singleton
import QtQuick

// The sound bank's indices by name, in table order: the numbers of
// src/audio/cinvsounds.h (CInvSounds::Sound) and sounds/README.md. An index
// never changes meaning; new sounds go at the end of all three.
QtObject {
    readonly property int engineHum: 0      // S_air1: propeller engine loop
    readonly property int jetWhine: 1       // S_air2: jet turbine loop
    readonly property int terrainAlarm: 2   // S_alarm: terrain ahead
    readonly property int warningChime: 3   // S_warning: landing, entering a cloud
    readonly property int buttonClick: 4    // S_click_button
    readonly property int pageClick: 5      // S_click_page: also a bursting buoy
    readonly property int explosion: 6      // S_explode: a crash
    readonly property int fanfare: 7        // S_fanfare: a landing's final sound
    readonly property int shortApplause: 8  // S_clapping_short: a landing, the result screen
    readonly property int mainTheme: 9      // S_main_sound_low: menu music
    readonly property int drumsAndBass: 10  // S_drumsandbass: default flight music
    readonly property int engineRumble: 11  // S_air3: low engine loop
    readonly property int wrongBeep: 12     // S_wrong_beep: a locked level
    readonly property int sonar: 13         // S_sonar
    readonly property int bass3: 14         // S_bass_3: bass loop
    readonly property int bass5: 15         // S_bass_5: bass loop
    readonly property int bass6: 16         // S_bass_6: bass loop
    readonly property int bass8: 17         // S_bass_8: bass loop
    readonly property int bass7: 18         // S_bass_7_1: bass loop
    readonly property int applause: 19      // S_clapping: a finished group
    readonly property int bump: 20          // S_bump: touchdown
}
