#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing. The validators of
# the desktop entry and AppStream metadata serve the install test, poppler's tools the print
# tests. --bench adds the peer program of the benchmarks; --package adds what builds and checks
# the Debian package.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core xvfb xauth
          desktop-file-utils appstream poppler-utils)
case "${1:-}" in
--bench) packages+=(qqwing) ;;
--package) packages+=(dpkg-dev file lintian) ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
