#!/bin/sh
# Sets up, builds the program alone and starts it.
set -e
cd "$(dirname "$0")/.."
./scripts/instalar.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target velistra
exec ./build/ui/velistra "$@"
