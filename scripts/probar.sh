#!/bin/sh
# Sets up, builds and runs every test (the benchmarks are built too, so that they keep
# building, but not run); then builds everything again with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test once more, where any report (a leak
# included) stops the program at once and fails the run.
set -e
cd "$(dirname "$0")/.."
./scripts/instalar.sh
./scripts/compilar.sh build-pruebas -DVELISTRA_WERROR=ON -DVELISTRA_BENCH=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir build-pruebas --output-on-failure -j2

# Test builds carry no optimisation flags: the quickest to compile.
./scripts/compilar.sh build-sanitizado -DVELISTRA_WERROR=ON -DVELISTRA_SANITIZE=ON
ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1 \
UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1 \
QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitizado --output-on-failure -j2

# The browser page, built and driven by headless Chromium as a student would use it.
./scripts/web.sh --compilar
/usr/bin/python3 tests/web/navegador.py build-web/sitio build-pruebas/cli/velistra-cli examples
