#!/bin/sh
# Installs the Debian packages the build needs, only when something is missing.
set -e
PAQUETES="cmake ninja-build g++ make pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl1-mesa-dev libgtest-dev libgmock-dev googletest libbenchmark-dev xvfb xauth desktop-file-utils lintian shared-mime-info xdg-utils libfile-mimeinfo-perl appstream man-db groff-base dpkg-dev gtkwave poppler-utils emscripten chromium chromium-driver python3-selenium"
PAQUETES="$PAQUETES hunspell hunspell-es hunspell-en-us"
faltan=""
for p in $PAQUETES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    faltan="$faltan $p"
  fi
done
if [ -n "$faltan" ]; then
  echo "Instalando:$faltan"
  SUDO=""
  if [ "$(id -u)" != "0" ]; then SUDO="sudo"; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y $faltan
fi
