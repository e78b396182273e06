#!/bin/sh
# Runs both fuzz targets side by side for a while and keeps every input that broke one
# as a "fallo-" file of its corpus, which the tests then replay.
#   fuzz/sesion.sh [MINUTES=10] [BUILD_FOLDER=build-fuzz]
# New inputs the fuzzers found stay in BUILD_FOLDER/sesion/*/corpus; the last lines of
# BUILD_FOLDER/sesion/*/registro.txt tell how many runs each made.
set -e
cd "$(dirname "$0")/.."
minutos="${1:-10}"
compilacion="${2:-build-fuzz}"
CC=clang CXX=clang++ cmake -S . -B "$compilacion" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELISTRA_FUZZ=ON -DVELISTRA_GUI=OFF -DVELISTRA_TESTS=OFF >/dev/null
cmake --build "$compilacion" -j2 --target lector_de_circuitos_fuzz guion_de_ordenes_fuzz >/dev/null

sesion="$compilacion/sesion"
for objetivo in lector:lector_de_circuitos_fuzz guion:guion_de_ordenes_fuzz; do
  nombre="${objetivo%%:*}"
  mkdir -p "$sesion/$nombre/corpus" "$sesion/$nombre/fallos"
  # Fork mode goes on after a crash, so one session can find several.
  "$compilacion/fuzz/${objetivo#*:}" "$sesion/$nombre/corpus" "fuzz/corpus/$nombre" \
    -dict="fuzz/$nombre.dict" -max_total_time=$((minutos * 60)) -timeout=10 \
    -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -artifact_prefix="$sesion/$nombre/fallos/" >"$sesion/$nombre/registro.txt" 2>&1 &
done
wait

fallos=0
for nombre in lector guion; do
  for f in "$sesion/$nombre/fallos"/*; do
    [ -f "$f" ] || continue
    cp "$f" "fuzz/corpus/$nombre/fallo-$(basename "$f")"
    echo "fuzz/corpus/$nombre/fallo-$(basename "$f")"
    fallos=$((fallos + 1))
  done
  tail -n 1 "$sesion/$nombre/registro.txt"
done
[ "$fallos" -eq 0 ]
