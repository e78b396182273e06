#!/bin/sh
# Builds the Debian package from nothing: velistra_<version>_<arch>.deb in this folder.
set -e
cd "$(dirname "$0")/.."
./scripts/instalar.sh
rm -rf build-paquete
# Debian's hardening (fortify, stack protector, relro, bindnow) as dpkg-buildflags gives it.
CXXFLAGS="$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS) $(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)" \
  cmake -S . -B build-paquete -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELISTRA_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-paquete -j2
./scripts/paquete.sh build-paquete .
