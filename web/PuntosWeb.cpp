// Where the pointer reaches each thing on the workbench, for scripts that drive the page
// with real mouse events (the browser tests): {x, y} in workbench points, or null.
#include <emscripten/bind.h>

#include <optional>

#include "sesion/PuntosDeLaMesa.h"
#include "web/ProgramaWeb.h"

using namespace velistra;
using emscripten::val;

namespace {

val Valor(std::optional<Punto> p) {
    if (!p) return val::null();
    val v = val::object();
    v.set("x", p->x);
    v.set("y", p->y);
    return v;
}

val Marcador(int tablero) { return Valor(PuntoDelMarcador(ElPrograma().LaSesion(), tablero)); }
val PuntoDe(int tablero, int puerto) { return Valor(PuntoDelPuerto(ElPrograma().LaSesion(), tablero, puerto)); }
val CentroDe(int tablero, int puerto) { return Valor(CentroDelPuerto(ElPrograma().LaSesion(), tablero, puerto)); }
val Entrada(int tablero, int i) { return Valor(PuntoDeLaEntrada(ElPrograma().LaSesion(), tablero, i)); }
val Esquina(int tablero) { return Valor(EsquinaDelTablero(ElPrograma().LaSesion(), tablero)); }

val Chip(int chip, int protoboard, int columna) {
    const std::optional<AgarreDeChip> a = AgarreDelChip(ElPrograma().LaSesion(), chip, protoboard, columna);
    if (!a) return val::null();
    val v = val::object();
    v.set("agarre", Valor(a->agarre));
    v.set("destino", Valor(a->destino));
    return v;
}

}  // namespace

EMSCRIPTEN_BINDINGS(puntos) {
    emscripten::function("puntoDelMarcador", &Marcador);
    emscripten::function("puntoDelPuerto", &PuntoDe);
    emscripten::function("centroDelPuerto", &CentroDe);
    emscripten::function("puntoDeLaEntrada", &Entrada);
    emscripten::function("esquinaDelTablero", &Esquina);
    emscripten::function("agarreDelChip", &Chip);
}
