#!/bin/sh
# The Debian package of this build, made as scripts/empaquetar.sh makes it, as lintian
# sees it: no error and no warning.
#   paquete.sh CARPETA_DE_FUENTES CARPETA_DE_COMPILACION
set -u
fuentes="$1"; compilacion="$2"
salida="$(mktemp -d)"
trap 'rm -rf "$salida"' EXIT
paquete="$(sh "$fuentes/scripts/paquete.sh" "$compilacion" "$salida")" || { echo "FALLO: paquete.sh"; exit 1; }
# The test build is not optimised, so _FORTIFY_SOURCE cannot act there; the package that
# empaquetar.sh builds has it (dpkg-buildflags).
lintian --fail-on error,warning --suppress-tags hardening-no-fortify-functions "$paquete" || {
  echo "FALLO: lintian"; exit 1; }
echo "paquete sin errores ni avisos de lintian"
