#!/bin/sh
# Sets up, builds and runs every test.
set -e
cd "$(dirname "$0")/.."
./scripts/instalar.sh
./scripts/compilar.sh build-pruebas -DVELISTRA_WERROR=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir build-pruebas --output-on-failure -j2
