#!/usr/bin/env bash
# Installs the Debian packages the build needs; does nothing when all are present.
#   tools/install-deps.sh        what the build and the tests need
#   tools/install-deps.sh fuzz   that, and clang with libFuzzer for `make fuzz`
set -euo pipefail

packages=(
  g++ make cmake pkg-config
  libgtest-dev libbenchmark-dev
  libpng-dev         # the PNG encoder of the headless renderer and the picture tool
  libavcodec-dev libavformat-dev libswscale-dev libavutil-dev  # films: MP4 (H.264), WebM (VP9), GIF
  qt6-base-dev
  qt6-multimedia-dev  # the show's sounds
  fonts-liberation2  # the dialogs' and help pages' typefaces, in the widths they were laid out for
  locales-all        # a decimal-comma locale for the tests of number formatting
  libx11-dev         # the show drawing into a screensaver's window
  xvfb xauth         # an X server for the tests of the screensaver mode
  weston qt6-wayland # the windows' tests once more as clients of a Wayland compositor
  # the checks of the installed tree and the package
  desktop-file-utils appstream libxml2-utils shared-mime-info xdg-utils libfile-mimeinfo-perl
  mandoc dpkg-dev file
)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-14-dev)
elif [ $# -gt 0 ]; then
  echo "usage: tools/install-deps.sh [fuzz]" >&2
  exit 2
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi

echo "install-deps: installing ${missing[*]}"
# Refresh the package lists first when apt does not know one of the packages.
for p in "${missing[@]}"; do
  if ! apt-cache policy "$p" 2>/dev/null | grep -q 'Candidate: [^(]'; then
    $sudo apt-get update
    break
  fi
done
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
