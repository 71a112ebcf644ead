#!/bin/sh
# Builds the Debian package, installs it with apt-get (dependencies from the
# Debian archive only), starts the installed game offscreen from /tmp for a
# few seconds, and removes it again, leaving the machine as it was.
#   packaging/check-deb.sh [build directory]    (default: build)
# Needs root (or sudo). Exits non-zero when any step fails.
set -eu
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)

if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

status() { dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null || true; }
if [ "$(status cirrovanta)" = installed ] || [ -e /opt/cirrovanta ]; then
    echo "check-deb: cirrovanta is installed already (or /opt/cirrovanta exists); not touching it" >&2
    exit 1
fi

rm -f "$build"/packages/cirrovanta_*.deb
(cd "$build" && cpack -G DEB --config CPackConfig.cmake >/dev/null)
set -- "$build"/packages/cirrovanta_*.deb
deb=$1
[ -f "$deb" ] || { echo "check-deb: cpack made no package" >&2; exit 1; }
echo "check-deb: $(basename "$deb"), $(stat -c %s "$deb") bytes"

scratch=$(mktemp -d /tmp/cirrovanta-check-deb.XXXXXX)
before="$scratch/packages-before"
dpkg-query -W -f='${db:Status-Status} ${Package}\n' | sed -n 's/^installed //p' | sort >"$before"

cleanup() {
    # Remove the game and whatever its installation pulled in that was not there before.
    if [ "$(status cirrovanta)" != not-installed ] && [ -n "$(status cirrovanta)" ]; then
        $as_root apt-get remove -y -qq cirrovanta >/dev/null || true
    fi
    dpkg-query -W -f='${db:Status-Status} ${Package}\n' | sed -n 's/^installed //p' | sort \
        >"$scratch/packages-after"
    added=$(comm -13 "$before" "$scratch/packages-after" | tr '\n' ' ')
    if [ -n "$added" ]; then
        echo "check-deb: removing what the installation pulled in: $added"
        # shellcheck disable=SC2086
        $as_root apt-get purge -y -qq $added >/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT INT TERM

started=$(date +%s.%N)
if ! $as_root apt-get install -y -qq --no-install-recommends "$deb" >"$scratch/apt.log" 2>&1; then
    # Missing dependencies and no package lists yet: fetch the lists once.
    $as_root apt-get update -qq
    $as_root apt-get install -y -qq --no-install-recommends "$deb" >"$scratch/apt.log" 2>&1 \
        || { cat "$scratch/apt.log" >&2; exit 1; }
fi
finished=$(date +%s.%N)
echo "check-deb: installed in $(awk "BEGIN { printf \"%.1f\", $finished - $started }") s"

fail() { echo "check-deb: $*" >&2; exit 1; }
[ "$(status cirrovanta)" = installed ] || fail "the package is not installed"
for file in /opt/cirrovanta/bin/cirrovanta /opt/cirrovanta/qml/Cirrovanta/main.qml \
    /usr/share/applications/cirrovanta.desktop /usr/share/metainfo/io.github.velmoran.cirrovanta.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/cirrovanta.svg; do
    [ -e "$file" ] || fail "$file is missing after installing"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate /usr/share/applications/cirrovanta.desktop || fail "the installed desktop entry is not valid"
fi
ls /opt/cirrovanta/sounds/*.wav >/dev/null 2>&1 || fail "no sounds in /opt/cirrovanta/sounds"

# The installed game, from an unrelated directory, with its own settings.
mkdir -p "$scratch/config" "$scratch/workdir"
mkdir -m 700 "$scratch/runtime"
set +e
(cd "$scratch/workdir" && env QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=default.debug=true \
    XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime" \
    timeout 5 /opt/cirrovanta/bin/cirrovanta >"$scratch/game.log" 2>&1)
code=$?
set -e
[ "$code" -eq 124 ] || { cat "$scratch/game.log" >&2; fail "the game ended by itself with status $code"; }
grep -q 'findSteer(): Game Qml Missing!' "$scratch/game.log" && { cat "$scratch/game.log" >&2; fail "the game did not find its QML"; }
grep -q '^"/opt/cirrovanta/qml/Cirrovanta/Levels/"$' "$scratch/game.log" || fail "the game did not look for its levels in /opt/cirrovanta"
grep -q '^found new Qml group ' "$scratch/game.log" || fail "the game found no level groups"
grep -q '^"/opt/cirrovanta/sounds/S_.*\.wav"$' "$scratch/game.log" || fail "the game did not look for its sounds in /opt/cirrovanta"
[ -z "$(ls -A "$scratch/workdir")" ] || fail "the game wrote into its working directory"
echo "check-deb: the installed game started and found its QML, level groups and sounds"

$as_root apt-get remove -y -qq cirrovanta >/dev/null
[ ! -e /opt/cirrovanta ] || fail "/opt/cirrovanta is still there after removing the package"
[ ! -e /usr/share/applications/cirrovanta.desktop ] || fail "the desktop entry is still there"
[ "$(status cirrovanta)" != installed ] || fail "the package is still installed"
echo "check-deb: removed cleanly"
