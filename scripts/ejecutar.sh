#!/bin/sh
# Sets up, builds and starts the program.
set -e
cd "$(dirname "$0")/.."
./scripts/instalar.sh
./scripts/compilar.sh build -DCMAKE_BUILD_TYPE=Release
exec ./build/ui/velistra
