#!/usr/bin/env bash
# package.sh: build the Debian package: the game and its tools without the tests, installed
# under /usr, compiled with all of Debian's hardening flags, packed by CPack. Prints the
# package's path.
#   tools/package.sh [BUILD_DIR]   (default: build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --package
dir=${1:-build-package}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { echo "$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get "$1")"; }
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DCMAKE_C_FLAGS="$(flags CFLAGS)" -DCMAKE_CXX_FLAGS="$(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >&2
cmake --build "$dir" -j"$(nproc)" >&2
rm -f "$dir"/pasturon_*.deb
(cd "$dir" && cpack -G DEB) >&2
ls "$dir"/pasturon_*.deb
