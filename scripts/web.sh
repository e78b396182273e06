#!/bin/sh
# Builds the browser page into build-web/sitio and serves it on http://127.0.0.1:8000.
#   web.sh             build and serve
#   web.sh --compilar  build only (the test run)
# The desktop's painter makes the pictures and the icon first (a native build), then
# emscripten builds the page from the same core.
set -e
cd "$(dirname "$0")/.."
./scripts/instalar.sh
cmake -S . -B build-pruebas -G Ninja -DVELISTRA_WERROR=ON >/dev/null
cmake --build build-pruebas -j2 --target recursos_web iconos
# emscripten's optimiser finds its JavaScript parser only there.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVELISTRA_RECURSOS_WEB="$PWD/build-pruebas/web/recursos" \
  -DVELISTRA_ICONOS_WEB="$PWD/build-pruebas/ui/iconos" >/dev/null
cmake --build build-web -j2
if [ "$1" = "--compilar" ]; then exit 0; fi
echo "Velistra en http://127.0.0.1:8000/ (Ctrl+C para terminar)"
exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web/sitio
