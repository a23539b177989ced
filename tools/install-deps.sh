#!/usr/bin/env bash
# install-deps.sh: install the Debian packages the game needs, only those missing.
#   tools/install-deps.sh            what building and playing needs
#   tools/install-deps.sh --package  also what building and checking the Debian package needs
#   tools/install-deps.sh --test     also what the tests need (the package's included)
set -euo pipefail

packages=(build-essential cmake pkg-config
          freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev
          libftgl-dev libopenal-dev libopenal1 libalut-dev libsdl2-dev libgtest-dev libpng-dev libenet-dev
          fonts-liberation)
packaging=(dpkg-dev file fakeroot lintian)
case "${1:-}" in
--package) packages+=("${packaging[@]}") ;;
--test)
    packages+=("${packaging[@]}" xvfb xauth xdotool x11-utils imagemagick sox strace clang
               libclang-rt-14-dev python3 desktop-file-utils appstream man-db librsvg2-bin)
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
