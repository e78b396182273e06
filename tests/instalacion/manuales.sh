#!/bin/sh
# Each manual page, Spanish and English, reads cleanly and tells everything velistra-cli's
# help tells: every order, option and script command, and every exit code in its section.
#   manuales.sh VELISTRA_CLI CARPETA_DE_PAGINAS   (with es/ and en/ inside)
set -u
cli="$1"; paginas="$2"
fallos=0
falla() { echo "FALLO: $*"; fallos=$((fallos + 1)); }
muestra() { LC_ALL=C.UTF-8 MANWIDTH=200 man --nh --nj "$@"; }

for idioma in es en; do
  case "$idioma" in
    es) seccion="ESTADO DE SALIDA" ;;
    en) seccion="EXIT STATUS" ;;
  esac
  for pagina in velistra velistra-cli; do
    avisos="$(muestra --warnings -l "$paginas/$idioma/$pagina.1" 2>&1 >/dev/null)"
    [ -z "$avisos" ] || falla "man -l $idioma/$pagina: $avisos"
  done

  ayuda="$("$cli" --idioma "$idioma" --help)" || { falla "velistra-cli --idioma $idioma --help"; continue; }
  pagina="$(muestra -l "$paginas/$idioma/velistra-cli.1" 2>/dev/null)"
  [ -n "$pagina" ] || { falla "$idioma/velistra-cli.1 vacía"; continue; }

  # The words of every term the help explains (lines that start with a command), and
  # every option it names.
  palabras="$(echo "$ayuda" | sed -n 's/^  \([a-z][^ ].*\)/\1/p' | sed 's/  .*//' |
              grep -o '[a-z][a-z0-9-]\{2,\}' | sort -u)"
  opciones="$(echo "$ayuda" | grep -o -- '--[a-z]\+' | sort -u)"
  [ -n "$palabras" ] && [ -n "$opciones" ] || falla "$idioma: la ayuda no tiene órdenes ni opciones"
  for palabra in $palabras $opciones; do
    echo "$pagina" | grep -qw -- "$palabra" || falla "$idioma/velistra-cli(1) no trata $palabra"
  done

  codigos="$(echo "$ayuda" | sed -n 's/^  \([0-9]\)  .*/\1/p')"
  [ "$(echo $codigos)" = "0 1 2 3 4" ] || falla "$idioma: la ayuda da los códigos «$(echo $codigos)»"
  salida="$(echo "$pagina" | sed -n "/^$seccion\$/,/^[^ ]/p")"
  for codigo in $codigos; do
    echo "$salida" | grep -q "^ \+$codigo  " || falla "$idioma/velistra-cli(1): $seccion no trata el código $codigo"
  done
done

[ "$fallos" = 0 ] || exit 1
echo "páginas de manual completas"
