#!/usr/bin/env bash
# Builds the Debian package build-package/sudoku-atelier_<version>_<arch>.deb with CPack and
# checks it with lintian, which fails on errors and lists warnings. As Debian keeps games, the
# package puts both programs in /usr/games; the build takes Debian's hardening flags.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUDOKU_TESTS=OFF \
    -DSUDOKU_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build-package
rm -f build-package/sudoku-atelier_*.deb
(cd build-package && cpack -G DEB)
lintian build-package/sudoku-atelier_*.deb
ls build-package/sudoku-atelier_*.deb
