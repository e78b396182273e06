#!/usr/bin/env bash
# Turns reads of the workbench's former public fields into calls of the member functions
# of the same name: `mesa.tablero` -> `mesa.tablero()`. Re-runnable: a name already
# followed by `(` is left alone, so it can be applied again after a merge.
#
#   scripts/privatiza-mesa.sh            # over the whole tree (from the repository root)
#   scripts/privatiza-mesa.sh FILE...    # over the files given
set -euo pipefail
cd "$(git rev-parse --show-toplevel)"

campos='tablero|componentes|cables|nodoBase|nIdentificador|nIteraciones|bON|fuentedc|reloj|pin|avisos|analizador|asentamiento'

if [ "$#" -gt 0 ]; then
    archivos=("$@")
else
    mapfile -t archivos < <(git ls-files '*.cpp' '*.h' | grep -v '^simulacion/Mesa\.h$')
fi

# Any expression that names a workbench: `mesa`, `mesa_`, `x.mesa`, `LaMesa()`, `Mesa()`.
perl -pi -e '
    s/(\bmesa_?|\bLaMesa\(\)|\.Mesa\(\))(\.|->)('"$campos"')\b(?!\s*\()/$1$2$3()/g;
' "${archivos[@]}"

# Workbenches held under other names, file by file.
otro() {
    local archivo=$1 nombre=$2
    [ -f "$archivo" ] || return 0
    case " ${archivos[*]} " in *" $archivo "*) ;; *) return 0 ;; esac
    perl -pi -e 's/\b('"$nombre"')\.('"$campos"')\b(?!\s*\()/$1.$2()/g;' "$archivo"
}
otro tests/ui/SeleccionTest.cpp copia
otro ui/programa/Informe.cpp copia
otro tests/simulacion/ConexionesTest.cpp m
otro tests/sesion/SesionTest.cpp suelta
otro fuzz/LectorDeCircuitos.cpp otra

# Not a workbench: the footprint of the bench in EdicionDeGrupo.cpp's Tapa, also `mesa`.
[ -f sesion/EdicionDeGrupo.cpp ] && perl -pi -e 's/\bmesa\.cables\(\)/mesa.cables/g if /Desplazados\(v, d\)/' sesion/EdicionDeGrupo.cpp

# The two settings that callers change keep a setter each.
perl -pi -e '
    s/\b((?:\w+(?:\.|->))*mesa_?)\.analizador\(\)\s*=\s*([^;]+);/$1.ConectaAnalizador($2);/g;
    s/\b((?:\w+(?:\.|->))*mesa_?)\.asentamiento\(\)\s*=\s*([^;]+);/$1.EligeAsentamiento($2);/g;
' "${archivos[@]}"
