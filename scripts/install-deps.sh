#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need; does nothing when all
# of them are present already, so it is cheap to run before every build.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcgal-dev
  # A faster allocator for the programs that find rooms (found at build time where installed).
  libtcmalloc-minimal4
  qt6-base-dev qt6-translations-l10n libgl-dev libx11-dev
  # Qt's TIFF reader for TIFF pictures in drawings (PNG, JPEG and GIF come with Qt itself).
  qt6-image-formats-plugins
  xvfb xauth fonts-noto-cjk
  # The Windows program: the cross compiler, Wine to run it, and what its end-to-end test
  # drives it with (a window manager, xdotool, a Japanese locale, imagemagick to read pictures).
  g++-mingw-w64-x86-64-posix wine wine64 fonts-wine openbox xdotool imagemagick locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

# Wine names files in the locale's encoding; Japanese names need a Japanese UTF-8 locale.
ensure_japanese_locale() {
  if locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then return; fi
  "${sudo_cmd[@]}" sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'ja_JP.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
}

if [ ${#missing[@]} -eq 0 ]; then
  ensure_japanese_locale
  exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
ensure_japanese_locale
