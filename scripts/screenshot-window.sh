# Sourced by the screenshot scripts inside their virtual display, once the
# game has been started: waits for its window, sizes it to 1280×720 and gives
# key (press keys on the window) and grab (save the screen as $out/NAME.png).
sleep 5
win=$(xdotool search --sync --onlyvisible --class cirrovanta | head -n 1)
xdotool windowactivate --sync "$win" 2>/dev/null || true
xdotool windowsize --sync "$win" 1280 720 2>/dev/null || true
key() { xdotool windowfocus --sync "$win" 2>/dev/null || true; xdotool key "$@"; sleep 1.2; }
grab() { sleep 0.6; import -window root -resize 1280x720 "$out/$1.png"; }
