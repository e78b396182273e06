#!/bin/sh
# Installs the build into a temporary prefix and looks at the tree as a desktop would:
#   instalacion.sh CARPETA_DE_COMPILACION CARPETA_DE_FUENTES VERSION
set -u
compilacion="$1"; fuentes="$2"; version="$3"
prefijo="$(mktemp -d)"
trap 'rm -rf "$prefijo"' EXIT
fallos=0
falla() { echo "FALLO: $*"; fallos=$((fallos + 1)); }

cmake --install "$compilacion" --prefix "$prefijo" >/dev/null || { echo "FALLO: cmake --install"; exit 1; }

for programa in velistra velistra-cli; do
  dice="$(QT_QPA_PLATFORM=offscreen "$prefijo/bin/$programa" --version 2>&1)"
  [ "$dice" = "$programa $version" ] || falla "$programa --version dice «$dice»"
done

escritorio="$prefijo/share/applications/velistra.desktop"
desktop-file-validate "$escritorio" || falla "desktop-file-validate"
appstreamcli validate --no-net --explain "$prefijo/share/metainfo/io.github.velistra.velistra.metainfo.xml" ||
  falla "appstreamcli validate"

for pagina in man1/velistra man1/velistra-cli en/man1/velistra en/man1/velistra-cli; do
  archivo="$prefijo/share/man/$pagina.1.gz"
  [ -f "$archivo" ] || { falla "falta $archivo"; continue; }
  avisos="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$archivo" 2>&1 >/dev/null)"
  [ -z "$avisos" ] || falla "man -l $pagina: $avisos"
done
# Every option and script command of the runner's help is in its page.
pagina="$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$prefijo/share/man/man1/velistra-cli.1.gz" 2>/dev/null)"
for palabra in simular tabla --guion --json --guardar --csv --help --version --idioma encender apagar \
    interruptor pulsar soltar tic mostrar sonda registrar --vcd; do
  echo "$pagina" | grep -q -- "$palabra" || falla "velistra-cli(1) no trata $palabra"
done

# The desktop entry's icon at each size of the theme, a PNG of that size.
icono="$(sed -n 's/^Icon=//p' "$escritorio")"
for lado in 16 22 24 32 48 64 128 256; do
  png="$prefijo/share/icons/hicolor/${lado}x${lado}/apps/$icono.png"
  if [ ! -f "$png" ]; then falla "falta $png"; continue; fi
  ancho=$(od -An -tu1 -j16 -N4 "$png" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  [ "$ancho" = "$lado" ] || falla "$png mide $ancho"
done

for ejemplo in "$fuentes"/examples/*/; do
  nombre="$(basename "$ejemplo")"
  [ -f "$prefijo/share/velistra/examples/$nombre/circuito.txt" ] || falla "falta el ejemplo $nombre"
done

[ "$fallos" = 0 ] || exit 1
echo "instalación correcta"
