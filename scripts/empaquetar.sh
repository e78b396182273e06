#!/bin/sh
# Builds the Debian package from nothing: velistra_<version>_amd64.deb in this folder.
set -e
cd "$(dirname "$0")/.."
./scripts/instalar.sh
rm -rf build-paquete
cmake -S . -B build-paquete -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELISTRA_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-paquete -j2
(cd build-paquete && cpack -G DEB >/dev/null)
cp build-paquete/velistra_*.deb .
ls velistra_*.deb
