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

# The help and a mistake need no display: Qt does not start for them.
sin_pantalla() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
ayuda="$(sin_pantalla "$prefijo/bin/velistra" --help 2>/dev/null)" || falla "velistra --help no termina con 0"
for palabra in CIRCUITO.txt --idioma --exportar --version; do
  echo "$ayuda" | grep -q -- "$palabra" || falla "velistra --help no trata $palabra"
done
sin_pantalla "$prefijo/bin/velistra" --rara >/dev/null 2>&1
[ $? = 1 ] || falla "una opción desconocida no termina con 1"

# A circuit named on the command line opens as «Recuperar...» does. SIGTERM then ends the
# program cleanly: the recovery copy of the changed circuit stays, the lock goes.
datos="$prefijo/datos/velistra"
circuito="$prefijo/circuito.txt"
cp "$fuentes/examples/semisumador/circuito.txt" "$circuito"
XDG_DATA_HOME="$prefijo/datos" XDG_CONFIG_HOME="$prefijo/config" QT_QPA_PLATFORM=offscreen \
  VELISTRA_PRUEBA_ORDENES=4996 "$prefijo/bin/velistra" "$circuito" 2>/dev/null &
programa=$!
# Until the added LED board makes the copy.
for _ in $(seq 300); do
  ls "$datos"/recuperacion-*.nombre >/dev/null 2>&1 && break
  sleep 0.1
done
kill -TERM "$programa"
wait "$programa"
[ $? = 0 ] || falla "velistra no termina con 0 tras SIGTERM"
[ "$(cat "$datos"/recuperacion-*.nombre 2>/dev/null)" = "$circuito" ] || falla "no queda la copia de $circuito"
copia="$(ls "$datos"/recuperacion-*.txt 2>/dev/null)"
[ -n "$copia" ] && [ "$("$prefijo/bin/velistra-cli" tabla "$copia")" = "$("$prefijo/bin/velistra-cli" tabla "$circuito")" ] ||
  falla "la copia no es el circuito abierto"
! ls "$datos"/*.cerrojo >/dev/null 2>&1 || falla "queda el cerrojo tras SIGTERM"

escritorio="$prefijo/share/applications/velistra.desktop"
desktop-file-validate "$escritorio" || falla "desktop-file-validate"
appstreamcli validate --no-net --explain "$prefijo/share/metainfo/io.github.velistra.velistra.metainfo.xml" ||
  falla "appstreamcli validate"

# Circuit files are of their own type, by their first line, and open with the program.
(
  export XDG_DATA_DIRS="$prefijo/share:/usr/share" XDG_DATA_HOME="$prefijo/vacia" XDG_CONFIG_HOME="$prefijo/config"
  unset XDG_CURRENT_DESKTOP
  update-mime-database "$prefijo/share/mime" >/dev/null 2>&1
  update-desktop-database "$prefijo/share/applications"
  tipo="$(xdg-mime query filetype "$prefijo/share/velistra/examples/semisumador/circuito.txt")"
  [ "$tipo" = application/x-velistra-circuito ] || echo "FALLO: un circuito es de tipo «$tipo»"
  echo "hola" > "$prefijo/nota.txt"
  tipo="$(xdg-mime query filetype "$prefijo/nota.txt")"
  [ "$tipo" = text/plain ] || echo "FALLO: un texto es de tipo «$tipo»"
  abre="$(xdg-mime query default application/x-velistra-circuito)"
  [ "$abre" = velistra.desktop ] || echo "FALLO: los circuitos se abren con «$abre»"
) > "$prefijo/tipos" 2>&1
if grep -q FALLO "$prefijo/tipos"; then cat "$prefijo/tipos"; fallos=$((fallos + 1)); fi

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
