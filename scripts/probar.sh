#!/bin/sh
# Sets up, builds and runs every test: once as built, once more under AddressSanitizer
# and UndefinedBehaviorSanitizer (core, command line and their tests; any report fails).
set -e
cd "$(dirname "$0")/.."
./scripts/instalar.sh
./scripts/compilar.sh build-pruebas -DVELISTRA_WERROR=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir build-pruebas --output-on-failure -j2
./scripts/compilar.sh build-sanitizado -DVELISTRA_WERROR=ON -DVELISTRA_SANITIZE=ON -DVELISTRA_GUI=OFF
ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-sanitizado --output-on-failure -j2
