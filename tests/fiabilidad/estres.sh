#!/bin/sh
# The long run of the fullest workbenches, by hand (the test run does 10,000 ticks of one):
# generates them, runs velistra-cli over 1,000, 10,000 and 100,000 ticks with the largest
# resident size and the CPU time of each run, saves, reloads and saves again, and runs
# 10,000 ticks once more under the sanitizers, where a leak fails the run.
#   tests/fiabilidad/estres.sh [WORK_FOLDER=/tmp/velistra-estres]
# Needs /usr/bin/time (Debian package "time").
set -e
cd "$(dirname "$0")/../.."
trabajo="${1:-/tmp/velistra-estres}"
mkdir -p "$trabajo"
./scripts/compilar.sh build-estres -DCMAKE_BUILD_TYPE=Release -DVELISTRA_BENCH=ON -DVELISTRA_GUI=OFF -DVELISTRA_TESTS=OFF
./scripts/compilar.sh build-estres-sanitizado -DVELISTRA_SANITIZE=ON -DVELISTRA_GUI=OFF -DVELISTRA_TESTS=OFF
cli=build-estres/cli/velistra-cli

for familia in contadores inversores; do
  build-estres/bench/velistra-generador "$trabajo" "$familia" 10 --completo >/dev/null
  circuito="$trabajo/$familia-10-completo.txt"
  echo "$familia: $(sed -n 2p "$circuito") tableros, $(grep -c '' "$circuito") líneas"
  for tics in 1000 10000 100000; do
    # The switch of board 13 enables the chain; the timer clocks it where it is wired.
    printf 'encender\ninterruptor 13 0 1\ntic %s\nmostrar\n' "$tics" >"$trabajo/$tics.guion"
    /usr/bin/time -f "  $tics tics: %M KB como máximo, %U s de CPU" \
      "$cli" simular "$circuito" --guion "$trabajo/$tics.guion" --guardar "$trabajo/a.txt" >/dev/null
  done
  "$cli" simular "$trabajo/a.txt" --guion "$trabajo/10000.guion" --guardar "$trabajo/b.txt" >/dev/null
  cmp "$trabajo/a.txt" "$trabajo/b.txt"
  cmp "$circuito" "$trabajo/a.txt"
  echo "  guardado, leído y guardado otra vez: idéntico"
  ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
  UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1 \
    /usr/bin/time -f "  con sanitizadores, 10000 tics: %M KB como máximo, %U s de CPU" \
    build-estres-sanitizado/cli/velistra-cli simular "$circuito" --guion "$trabajo/10000.guion" >/dev/null
done
