<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>01_cloud_banks</name>
    <message>
        <source>Cloud banks</source>
        <translation>Wolkenbänke</translation>
    </message>
</context>
<context>
    <name>01_harbour</name>
    <message>
        <source>Harbour hop</source>
        <translation>Hafensprung</translation>
    </message>
</context>
<context>
    <name>01_straight</name>
    <message>
        <source>Straight to the runway</source>
        <translation>Geradeaus zur Landebahn</translation>
    </message>
</context>
<context>
    <name>01_valley</name>
    <message>
        <source>The valley</source>
        <translation>Das Tal</translation>
    </message>
</context>
<context>
    <name>02_canyon</name>
    <message>
        <source>The canyon</source>
        <translation>Die Schlucht</translation>
    </message>
</context>
<context>
    <name>02_fog</name>
    <message>
        <source>Into the fog</source>
        <translation>Hinein in den Nebel</translation>
    </message>
</context>
<context>
    <name>02_reef</name>
    <message>
        <source>The reef</source>
        <translation>Das Riff</translation>
    </message>
</context>
<context>
    <name>02_turn</name>
    <message>
        <source>A gentle turn</source>
        <translation>Eine sanfte Kurve</translation>
    </message>
</context>
<context>
    <name>03_glide</name>
    <message>
        <source>A glide with little petrol</source>
        <translation>Gleitflug mit wenig Benzin</translation>
    </message>
</context>
<context>
    <name>03_lures</name>
    <message>
        <source>Tempting buoys</source>
        <translation>Verlockende Bojen</translation>
    </message>
</context>
<context>
    <name>03_pass</name>
    <message>
        <source>Threading the pass</source>
        <translation>Durch den Pass</translation>
    </message>
</context>
<context>
    <name>03_short_strip</name>
    <message>
        <source>Short strip at an angle</source>
        <translation>Kurze Piste, schräg gelegen</translation>
    </message>
</context>
<context>
    <name>04_bowl</name>
    <message>
        <source>The bowl</source>
        <translation>Der Talkessel</translation>
    </message>
</context>
<context>
    <name>04_clouds</name>
    <message>
        <source>Through the clouds</source>
        <translation>Durch die Wolken</translation>
    </message>
</context>
<context>
    <name>04_long_leg</name>
    <message>
        <source>The long leg</source>
        <translation>Die lange Strecke</translation>
    </message>
</context>
<context>
    <name>04_night</name>
    <message>
        <source>Night flight</source>
        <translation>Nachtflug</translation>
    </message>
</context>
<context>
    <name>05_buoys</name>
    <message>
        <source>A line of buoys</source>
        <translation>Eine Reihe Bojen</translation>
    </message>
</context>
<context>
    <name>05_descent</name>
    <message>
        <source>Glide from the heights</source>
        <translation>Gleitflug aus der Höhe</translation>
    </message>
</context>
<context>
    <name>05_finale</name>
    <message>
        <source>Through the storm</source>
        <translation>Durch den Sturm</translation>
    </message>
</context>
<context>
    <name>05_lagoon</name>
    <message>
        <source>The lagoon</source>
        <translation>Die Lagune</translation>
    </message>
</context>
<context>
    <name>AboutScreen</name>
    <message>
        <source>About</source>
        <translation>Über das Spiel</translation>
    </message>
    <message>
        <source>Cirrovanta</source>
        <translation>Cirrovanta</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Tilt to steer, burst the buoys, mind the hills and land before the petrol runs out.</source>
        <translation>Neige das Gerät zum Steuern, lass die Bojen platzen, achte auf die Berge und lande, bevor das Benzin ausgeht.</translation>
    </message>
    <message>
        <source>© Velmoran</source>
        <translation>© Velmoran</translation>
    </message>
    <message>
        <source>A newer version is ready:</source>
        <translation>Eine neuere Version ist bereit:</translation>
    </message>
    <message>
        <source>Get it</source>
        <translation>Herunterladen</translation>
    </message>
</context>
<context>
    <name>BestFlightBadge</name>
    <message>
        <source>Watch best flight</source>
        <translation>Besten Flug ansehen</translation>
    </message>
</context>
<context>
    <name>FinalMessage</name>
    <message>
        <source>Your rank</source>
        <translation>Dein Rang</translation>
    </message>
</context>
<context>
    <name>FinalScreen</name>
    <message>
        <source>Group finished!</source>
        <translation>Gruppe abgeschlossen!</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>FlightScreen</name>
    <message>
        <source>Tilt towards where you want to fly: more tilt, more speed. Land on the runway.</source>
        <translation>Neige dorthin, wohin du fliegen willst: mehr Neigung, mehr Tempo. Lande auf der Landebahn.</translation>
    </message>
    <message>
        <source>Point where you want to fly: further from the centre, more speed. Land on the runway.</source>
        <translation>Zeig mit der Maus die Richtung: weiter von der Mitte, mehr Tempo. Lande auf der Landebahn.</translation>
    </message>
    <message>
        <source>← → turn while held, ↑ ↓ set the throttle; let go and it flies straight on. Land on the runway.</source>
        <translation>← → drehen, solange du sie hältst, ↑ ↓ stellen den Schub; loslassen, und es fliegt geradeaus weiter. Lande auf der Landebahn.</translation>
    </message>
    <message>
        <source>Throttle %1 %</source>
        <translation>Schub %1 %</translation>
    </message>
</context>
<context>
    <name>GameEngine</name>
    <message>
        <source>Dangerous landing!</source>
        <translation>Gefährliche Landung!</translation>
    </message>
    <message>
        <source>WARNING! Terrain ahead!</source>
        <translation>WARNUNG! Gelände voraus!</translation>
    </message>
    <message>
        <source>Landing. Fasten seatbelts!</source>
        <translation>Landung. Bitte anschnallen!</translation>
    </message>
    <message>
        <source>Out of the runway, landing cancelled!</source>
        <translation>Landebahn verlassen, Landung abgebrochen!</translation>
    </message>
    <message>
        <source>http://</source>
        <translation>http://</translation>
    </message>
</context>
<context>
    <name>GamepadInput</name>
    <message>
        <source>Game controller</source>
        <translation>Gamecontroller</translation>
    </message>
</context>
<context>
    <name>GhostSwitch</name>
    <message>
        <source>Ghost: on</source>
        <translation>Geisterflug: an</translation>
    </message>
    <message>
        <source>Ghost: off</source>
        <translation>Geisterflug: aus</translation>
    </message>
    <message>
        <source>A pale aeroplane flies your best flight beside you.</source>
        <translation>Ein blasses Flugzeug fliegt deinen besten Flug neben dir.</translation>
    </message>
</context>
<context>
    <name>GroupsScreen</name>
    <message>
        <source>Choose a flight school</source>
        <translation>Wähle eine Flugschule</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Finished ✓</source>
        <translation>Abgeschlossen ✓</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Gesamt %1</translation>
    </message>
    <message>
        <source>No flights found.</source>
        <translation>Keine Flüge gefunden.</translation>
    </message>
</context>
<context>
    <name>Heading</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>HowToHoldScreen</name>
    <message>
        <source>How to hold</source>
        <translation>Richtig halten</translation>
    </message>
    <message>
        <source>Tilt left and right to turn.</source>
        <translation>Nach links und rechts neigen, um zu kurven.</translation>
    </message>
    <message>
        <source>Tilt away and towards you to head up and down the map.</source>
        <translation>Von dir weg und zu dir hin neigen, um auf der Karte nach oben und unten zu fliegen.</translation>
    </message>
    <message>
        <source>On a computer: ← → turn while held, ↑ ↓ set the throttle, and the aeroplane holds its course and speed when you let go. Or move the mouse: it steers towards the pointer.</source>
        <translation>Am Computer: ← → drehen, solange du sie hältst, ↑ ↓ stellen den Schub, und das Flugzeug hält Kurs und Tempo, wenn du loslässt. Oder bewege die Maus: Es steuert zum Mauszeiger.</translation>
    </message>
</context>
<context>
    <name>Hud</name>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>LevelsScreen</name>
    <message>
        <source>Flight %1: %2</source>
        <translation>Flug %1: %2</translation>
    </message>
    <message>
        <source>Best %1</source>
        <translation>Bestwert %1</translation>
    </message>
    <message>
        <source>Not landed yet</source>
        <translation>Noch nicht gelandet</translation>
    </message>
</context>
<context>
    <name>PauseMenu</name>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Quit flight</source>
        <translation>Flug beenden</translation>
    </message>
</context>
<context>
    <name>Ranks</name>
    <message>
        <source>Cadet</source>
        <translation>Kadett</translation>
    </message>
    <message>
        <source>Cadet with wings</source>
        <translation>Kadett mit Schwingen</translation>
    </message>
    <message>
        <source>Officer</source>
        <translation>Offizier</translation>
    </message>
    <message>
        <source>Senior officer</source>
        <translation>Erster Offizier</translation>
    </message>
    <message>
        <source>Captain</source>
        <translation>Kapitän</translation>
    </message>
</context>
<context>
    <name>ReplayScreen</name>
    <message>
        <source>Replay – end</source>
        <translation>Wiederholung – Ende</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>1×</source>
        <translation>1×</translation>
    </message>
    <message>
        <source>2×</source>
        <translation>2×</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>ResultScreen</name>
    <message>
        <source>Well flown!</source>
        <translation>Gut geflogen!</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Landed!</source>
        <translation>Gelandet!</translation>
    </message>
    <message>
        <source>Crashed</source>
        <translation>Abgestürzt</translation>
    </message>
    <message>
        <source>Petrol left</source>
        <translation>Restbenzin</translation>
    </message>
    <message>
        <source>Buoys burst: %1</source>
        <translation>Geplatzte Bojen: %1</translation>
    </message>
    <message>
        <source>Time bonus (%1 s)</source>
        <translation>Zeitbonus (%1 s)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>Neuer Bestwert!</translation>
    </message>
    <message>
        <source>Best %1</source>
        <translation>Bestwert %1</translation>
    </message>
    <message>
        <source>Keep away from the hills and land before the petrol runs out.</source>
        <translation>Halte dich von den Bergen fern und lande, bevor das Benzin ausgeht.</translation>
    </message>
    <message>
        <source>Next flight</source>
        <translation>Nächster Flug</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Dangerous landing!</source>
        <translation>Gefährliche Landung!</translation>
    </message>
    <message>
        <source>Crashed into the terrain</source>
        <translation>Ins Gelände gestürzt</translation>
    </message>
    <message>
        <source>Out of petrol</source>
        <translation>Kein Benzin mehr</translation>
    </message>
    <message>
        <source>Off the runway</source>
        <translation>Von der Landebahn abgekommen</translation>
    </message>
    <message>
        <source>The tank ran dry before the landing was done: one star at most.</source>
        <translation>Der Tank war leer, bevor die Landung fertig war: höchstens ein Stern.</translation>
    </message>
    <message>
        <source>Three stars from %1 points</source>
        <translation>Drei Sterne ab %1 Punkten</translation>
    </message>
    <message>
        <source>The aeroplane flew into the ground. Turn away as soon as the terrain warning sounds.</source>
        <translation>Das Flugzeug ist ins Gelände geflogen. Dreh ab, sobald die Geländewarnung ertönt.</translation>
    </message>
    <message>
        <source>The tank ran dry before the aeroplane reached a runway. Take a shorter line to the runway.</source>
        <translation>Der Tank war leer, bevor das Flugzeug eine Landebahn erreicht hat. Nimm einen kürzeren Weg zur Landebahn.</translation>
    </message>
    <message>
        <source>The aeroplane glided onto the runway but left it before the landing was done. Touch down early and follow the runway&apos;s line.</source>
        <translation>Das Flugzeug ist auf die Landebahn geglitten, hat sie aber vor dem Ende der Landung verlassen. Setz früh auf und folge der Landebahn.</translation>
    </message>
    <message>
        <source>Good flight</source>
        <translation>Guter Flug</translation>
    </message>
    <message>
        <source>Close call</source>
        <translation>Knapp gegangen</translation>
    </message>
    <message>
        <source>Landed</source>
        <translation>Gelandet</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>Playing a flight</source>
        <translation>Ein Flug läuft</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>motion sensor</source>
        <translation>Bewegungssensor</translation>
    </message>
    <message>
        <source>arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>keine gefunden</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>%1 of 9</source>
        <translation>%1 von 9</translation>
    </message>
    <message>
        <source>Quieter</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Level pose</source>
        <translation>Waagerechte Haltung</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>Hold the device the way you like to fly and press Calibrate: that pose flies straight on.</source>
        <translation>Halte das Gerät so, wie du gern fliegst, und tippe auf „Kalibrieren“: In dieser Haltung fliegt das Flugzeug geradeaus.</translation>
    </message>
    <message>
        <source>Stored pose: %1°, %2°, %3°</source>
        <translation>Gespeicherte Haltung: %1°, %2°, %3°</translation>
    </message>
    <message>
        <source>Reset to level</source>
        <translation>Waagrecht stellen</translation>
    </message>
    <message>
        <source>No motion sensor here: keys and mouse always start level. Reset to level clears a pose stored before.</source>
        <translation>Hier gibt es keinen Lagesensor: Tasten und Maus starten immer waagrecht. „Waagrecht stellen“ löscht eine früher gespeicherte Haltung.</translation>
    </message>
</context>
<context>
    <name>TiltSourceList</name>
    <message>
        <source>motion sensor</source>
        <translation>Bewegungssensor</translation>
    </message>
    <message>
        <source>arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>touch</source>
        <translation>Berührung</translation>
    </message>
    <message>
        <source>controller stick</source>
        <translation>Controller-Stick</translation>
    </message>
    <message>
        <source>controller motion</source>
        <translation>Controller-Neigung</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>keine gefunden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>motion</source>
        <translation>Neigung</translation>
    </message>
    <message>
        <source>stick</source>
        <translation>Stick</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Steering with: %1</source>
        <translation>Gesteuert mit: %1</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>Cirrovanta</source>
        <translation>Cirrovanta</translation>
    </message>
    <message>
        <source>tilt, fly and land</source>
        <translation>neigen, fliegen, landen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>How to hold</source>
        <translation>Richtig halten</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über das Spiel</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Pilot rank</source>
        <translation>Pilotenrang</translation>
    </message>
    <message>
        <source>A new version is ready</source>
        <translation>Eine neue Version ist bereit</translation>
    </message>
    <message>
        <source>Quit Cirrovanta?</source>
        <translation>Cirrovanta beenden?</translation>
    </message>
    <message>
        <source>Keep flying</source>
        <translation>Weiterfliegen</translation>
    </message>
</context>
<context>
    <name>Titles</name>
    <message>
        <source>Flight School</source>
        <translation>Flugschule</translation>
    </message>
    <message>
        <source>Island Hopping</source>
        <translation>Inselhüpfen</translation>
    </message>
    <message>
        <source>Mountain Pass</source>
        <translation>Gebirgspass</translation>
    </message>
    <message>
        <source>Storm Front</source>
        <translation>Sturmfront</translation>
    </message>
    <message>
        <source>Straight to the runway</source>
        <translation>Geradeaus zur Landebahn</translation>
    </message>
    <message>
        <source>A gentle turn</source>
        <translation>Eine sanfte Kurve</translation>
    </message>
    <message>
        <source>A glide with little petrol</source>
        <translation>Gleitflug mit wenig Benzin</translation>
    </message>
    <message>
        <source>Through the clouds</source>
        <translation>Durch die Wolken</translation>
    </message>
    <message>
        <source>A line of buoys</source>
        <translation>Eine Reihe Bojen</translation>
    </message>
    <message>
        <source>Harbour hop</source>
        <translation>Hafensprung</translation>
    </message>
    <message>
        <source>The reef</source>
        <translation>Das Riff</translation>
    </message>
    <message>
        <source>Short strip at an angle</source>
        <translation>Kurze Piste, schräg gelegen</translation>
    </message>
    <message>
        <source>The long leg</source>
        <translation>Die lange Strecke</translation>
    </message>
    <message>
        <source>The lagoon</source>
        <translation>Die Lagune</translation>
    </message>
    <message>
        <source>The valley</source>
        <translation>Das Tal</translation>
    </message>
    <message>
        <source>The canyon</source>
        <translation>Die Schlucht</translation>
    </message>
    <message>
        <source>Threading the pass</source>
        <translation>Durch den Pass</translation>
    </message>
    <message>
        <source>The bowl</source>
        <translation>Der Talkessel</translation>
    </message>
    <message>
        <source>Glide from the heights</source>
        <translation>Gleitflug aus der Höhe</translation>
    </message>
    <message>
        <source>Cloud banks</source>
        <translation>Wolkenbänke</translation>
    </message>
    <message>
        <source>Into the fog</source>
        <translation>Hinein in den Nebel</translation>
    </message>
    <message>
        <source>Tempting buoys</source>
        <translation>Verlockende Bojen</translation>
    </message>
    <message>
        <source>Night flight</source>
        <translation>Nachtflug</translation>
    </message>
    <message>
        <source>Through the storm</source>
        <translation>Durch den Sturm</translation>
    </message>
</context>
<context>
    <name>WatchButton</name>
    <message>
        <source>Watch best flight</source>
        <translation>Besten Flug ansehen</translation>
    </message>
    <message>
        <source>Watch replay</source>
        <translation>Flug ansehen</translation>
    </message>
</context>
<context>
    <name>finalMsg</name>
    <message>
        <source>Flight School complete!</source>
        <translation>Flugschule abgeschlossen!</translation>
    </message>
    <message>
        <source>You can hold a heading, turn with care, glide home on the last drop of petrol and keep calm in the clouds. The islands are waiting.</source>
        <translation>Du kannst den Kurs halten, behutsam kurven, mit dem letzten Tropfen Benzin nach Hause gleiten und in den Wolken ruhig bleiben. Die Inseln warten.</translation>
    </message>
    <message>
        <source>Island Hopping complete!</source>
        <translation>Inselhüpfen abgeschlossen!</translation>
    </message>
    <message>
        <source>Short strips, long legs over open water and a lagoon behind the reef: the sea holds no secrets for you now. The mountains are next.</source>
        <translation>Kurze Pisten, lange Strecken über offenes Wasser und eine Lagune hinter dem Riff: Das Meer hat keine Geheimnisse mehr vor dir. Als Nächstes kommen die Berge.</translation>
    </message>
    <message>
        <source>Mountain Pass complete!</source>
        <translation>Gebirgspass abgeschlossen!</translation>
    </message>
    <message>
        <source>Valleys, canyons, a narrow pass and a runway in a bowl of peaks, and a long glide down from the heights. A storm is gathering beyond the ridge.</source>
        <translation>Täler, Schluchten, ein enger Pass, eine Landebahn in einem Kessel aus Gipfeln und ein langer Gleitflug aus der Höhe. Hinter dem Grat zieht ein Sturm auf.</translation>
    </message>
    <message>
        <source>Storm Front complete!</source>
        <translation>Sturmfront abgeschlossen!</translation>
    </message>
    <message>
        <source>Through clouds, fog and the night, past every tempting buoy and down onto the narrowest strip. You have flown every route there is. Well done!</source>
        <translation>Durch Wolken, Nebel und Nacht, an jeder verlockenden Boje vorbei und hinunter auf die schmalste Piste. Du bist jede Route geflogen, die es gibt. Gut gemacht!</translation>
    </message>
</context>
</TS>
