import QtQuick
import Cirrovanta

// What every screen shares: the session, and Esc or the phone's back key going
// one step back.
FocusScope {
    id: screen
    width: 854
    height: 480
    property Session session: null

    Keys.onEscapePressed: (event) => { event.accepted = true; screen.goBack() }
    Keys.onBackPressed: (event) => { event.accepted = true; screen.goBack() }

    Connections {
        target: screen.session
        function onLeaving() { screen.leave() }
    }

    // Overridden by screens that hold something to hand back before they go.
    function leave() {}

    function goBack() {
        if (session)
            session.back()
    }
}
