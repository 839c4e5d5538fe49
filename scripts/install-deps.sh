#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
# apt-get as root, sudo apt-get otherwise.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev libgl-dev
  nlohmann-json3-dev libcli11-dev
  # the service history
  libsqlite3-dev
  # the service report's tests read its PDF (pdftotext, pdftoppm)
  poppler-utils
  # live plots (bench/plot_libs also builds the Qt Charts comparison when qt6-charts-dev and
  # libqt6opengl6-dev are installed by hand; CI does without it)
  libqcustomplot-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev clang-format clang-tidy
  xvfb xauth imagemagick fonts-dejavu-core
  # the window in German and Chinese: lupdate and lrelease, and a CJK font for the Chinese
  # screenshots and tests
  qt6-l10n-tools fonts-noto-cjk
  locales-all procps
  # the Debian package: manual pages, the icon, cpack's dependencies and the package's checks
  scdoc librsvg2-bin dpkg-dev desktop-file-utils appstream lintian man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt=(apt-get)
else
  apt=(sudo apt-get)
fi
export DEBIAN_FRONTEND=noninteractive
"${apt[@]}" update -qq
"${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
