#!/bin/sh
# Configures and builds one build folder: compilar.sh CARPETA [cmake options...]
set -e
cd "$(dirname "$0")/.."
carpeta="$1"; shift
cmake -S . -B "$carpeta" -G Ninja "$@" >/dev/null
cmake --build "$carpeta" -j2
