#!/bin/sh
# Installs the Debian packages Cirrovanta needs that are not there yet.
#   install-deps.sh play   what building and playing needs
#   install-deps.sh test   that, plus what the test suite needs
set -eu

play_packages="cmake ninja-build g++ pkg-config
 qt6-base-dev qt6-declarative-dev qt6-multimedia-dev qt6-sensors-dev qt6-svg-dev
 qt6-tools-dev qt6-l10n-tools qt6-qpa-plugins libqt6svg6
 qml6-module-qtqml qml6-module-qtqml-models qml6-module-qtqml-workerscript
 qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-shapes
 qml6-module-qtquick-particles qml6-module-qtquick-layouts qml6-module-qtquick-controls
 qml6-module-qtquick-templates"

test_packages="pulseaudio qml6-module-qttest xvfb xauth xdotool dbus-daemon dbus-bin pulseaudio-utils sox
 desktop-file-utils appstream clang-14 libclang-rt-14-dev"

packages=$play_packages
if [ "${1:-play}" = test ]; then
    packages="$packages $test_packages"
fi

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing="$missing $package"
done
[ -n "$missing" ] || exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    as_root=""
else
    as_root="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -qq
# shellcheck disable=SC2086
$as_root apt-get install -y -qq --no-install-recommends $missing
