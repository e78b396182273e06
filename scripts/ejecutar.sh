#!/bin/sh
# Sets up, builds and starts the program.
set -e
cd "$(dirname "$0")/.."
./scripts/instalar.sh
./scripts/compilar.sh build
exec ./build/ui/velistra
