#!/bin/sh
# Builds the Debian package and checks it.
#   packaging/check-deb.sh [build directory]    (default: build)
# Everywhere: the package's contents, that apt can resolve its dependencies
# (a simulated install, nothing changes), and the game starting offscreen from
# an unpacked copy (dpkg-deb -x into a scratch directory). The host's packages
# are left alone.
# Only under CI (CI=true) or with CHECK_DEB_INSTALL=1 (for a throwaway root such
# as a container): the real round trip, install with apt-get, start the
# installed game, remove it again. It then removes exactly the packages its own
# apt-get transaction newly installed, and nothing when that would take any
# other package with it.
set -eu
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
export DEBIAN_FRONTEND=noninteractive
fail() { echo "check-deb: $*" >&2; exit 1; }

rm -f "$build"/packages/cirrovanta_*.deb
(cd "$build" && cpack -G DEB --config CPackConfig.cmake >/dev/null)
set -- "$build"/packages/cirrovanta_*.deb
deb=$1
[ -f "$deb" ] || fail "cpack made no package"
echo "check-deb: $(basename "$deb"), $(stat -c %s "$deb") bytes"

scratch=$(mktemp -d /tmp/cirrovanta-check-deb.XXXXXX)
trap 'rm -rf "$scratch"' EXIT INT TERM

# Contents.
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's#^\./#/#' >"$scratch/contents"
for file in /opt/cirrovanta/bin/cirrovanta /opt/cirrovanta/qml/Cirrovanta/main.qml \
    /opt/cirrovanta/qml/Cirrovanta/qmldir /opt/cirrovanta/qml/Cirrovanta/Theme.qml \
    /opt/cirrovanta/qml/Cirrovanta/Sounds.qml /opt/cirrovanta/qml/Cirrovanta/Ranks.qml \
    /usr/share/applications/cirrovanta.desktop /usr/share/metainfo/io.github.velmoran.cirrovanta.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/cirrovanta.svg; do
    grep -qx "$file" "$scratch/contents" || fail "$file is not in the package"
done
grep -q '^/opt/cirrovanta/sounds/S_.*\.wav$' "$scratch/contents" || fail "no sounds in the package"
grep -q '^/opt/cirrovanta/qml/Cirrovanta/Levels/.*/.*\.qml$' "$scratch/contents" || fail "no levels in the package"
[ -n "$(dpkg-deb -f "$deb" Depends)" ] || fail "the package declares no dependencies"

# Dependencies resolvable: what installing it would do, without doing it.
apt-get install --simulate -qq --no-install-recommends "$deb" >"$scratch/simulated" 2>&1 \
    || { cat "$scratch/simulated" >&2; fail "apt cannot resolve the dependencies (apt-get update first?)"; }
# "Inst name (version ...)": new packages; an upgrade shows "[old version]" and is no new package.
sed -n 's/^Inst \([^ ]*\) (.*/\1/p' "$scratch/simulated" | grep -vx cirrovanta | sort >"$scratch/new-packages" || true
echo "check-deb: dependencies resolve ($(wc -l <"$scratch/new-packages") packages would be added)"

# Runs a copy of the game offscreen for five seconds from an unrelated directory
# with its own settings; it must still be running then and have found its data
# under the given prefix.
start_game() {
    prefix=$1
    rm -rf "$scratch/workdir" "$scratch/config" "$scratch/runtime"
    mkdir -p "$scratch/workdir" "$scratch/config"
    mkdir -m 700 "$scratch/runtime"
    set +e
    (cd "$scratch/workdir" && env QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=default.debug=true \
        XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime" \
        timeout 5 "$prefix/bin/cirrovanta" >"$scratch/game.log" 2>&1)
    code=$?
    set -e
    [ "$code" -eq 124 ] || { cat "$scratch/game.log" >&2; fail "the game ended by itself with status $code"; }
    ! grep -q 'findSteer(): Game Qml Missing!' "$scratch/game.log" || { cat "$scratch/game.log" >&2; fail "the game did not find its QML"; }
    grep -qF "\"$prefix/qml/Cirrovanta/Levels/\"" "$scratch/game.log" || fail "the game did not look for its levels in $prefix"
    grep -q '^found new Qml group ' "$scratch/game.log" || fail "the game found no level groups"
    grep -q "^\"$prefix/sounds/S_.*\\.wav\"\$" "$scratch/game.log" || fail "the game did not look for its sounds in $prefix"
    [ -z "$(ls -A "$scratch/workdir")" ] || fail "the game wrote into its working directory"
}

dpkg-deb -x "$deb" "$scratch/root"
start_game "$scratch/root/opt/cirrovanta"
echo "check-deb: the unpacked game started and found its QML, level groups and sounds"

if [ "${CI:-}" != true ] && [ "${CHECK_DEB_INSTALL:-}" != 1 ]; then
    echo "check-deb: not installing on this machine (set CI=true or CHECK_DEB_INSTALL=1 in a throwaway root)"
    exit 0
fi

# The round trip.
if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi
status() { dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null || true; }
[ "$(status cirrovanta)" != installed ] && [ ! -e /opt/cirrovanta ] \
    || fail "cirrovanta is installed already (or /opt/cirrovanta exists); not touching it"
remove_ours() {
    $as_root apt-get remove -y -qq cirrovanta >/dev/null 2>&1 || true
    ours=""
    for package in $(cat "$scratch/new-packages"); do
        [ "$(status "$package")" = installed ] && ours="$ours $package"
    done
    [ -n "$ours" ] || return 0
    # Only when purging them takes nothing else along.
    # shellcheck disable=SC2086
    others=$(apt-get purge --simulate -qq $ours 2>/dev/null | sed -n 's/^Purg \([^ ]*\) .*/\1/p' \
        | sort | comm -23 - "$scratch/new-packages")
    if [ -n "$others" ]; then
        echo "check-deb: leaving$ours installed: purging them would remove $others" >&2
        return 0
    fi
    echo "check-deb: removing what this check installed:$ours"
    # shellcheck disable=SC2086
    $as_root apt-get purge -y -qq $ours >/dev/null || true
}
trap 'remove_ours; rm -rf "$scratch"' EXIT INT TERM

$as_root apt-get install -y -qq --no-install-recommends "$deb" >"$scratch/apt.log" 2>&1 \
    || { cat "$scratch/apt.log" >&2; fail "installing failed"; }
[ "$(status cirrovanta)" = installed ] || fail "the package is not installed"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate /usr/share/applications/cirrovanta.desktop || fail "the installed desktop entry is not valid"
fi
start_game /opt/cirrovanta
echo "check-deb: the installed game started and found its QML, level groups and sounds"

$as_root apt-get remove -y -qq cirrovanta >/dev/null
[ ! -e /opt/cirrovanta ] || fail "/opt/cirrovanta is still there after removing the package"
[ ! -e /usr/share/applications/cirrovanta.desktop ] || fail "the desktop entry is still there"
[ "$(status cirrovanta)" != installed ] || fail "the package is still installed"
echo "check-deb: removed cleanly"
