#include "sesion/PuntosDeLaMesa.h"

#include <functional>

#include "sesion/Sesion.h"

namespace velistra {

namespace {

Tablero* TableroDe(const Sesion& sesion, int identificador) {
    for (const auto& t : sesion.mesa.tablero()) {
        if (t->Identificador() == identificador) return t.get();
    }
    return nullptr;
}

// The first point of the board, row by row, that `acierta`.
std::optional<Punto> Busca(const Tablero& t, const std::function<bool(int, int)>& acierta) {
    for (int y = t.EsquinaY(); y < t.EsquinaY() + t.Altura(); ++y) {
        for (int x = t.EsquinaX(); x < t.EsquinaX() + t.Anchura(); ++x) {
            if (acierta(x, y)) return Punto{x, y};
        }
    }
    return std::nullopt;
}

// The middle of the first area of the board that `acierta`: never its edge.
std::optional<Punto> Medio(const Tablero& t, const std::function<bool(int, int)>& acierta) {
    const std::optional<Punto> esquina = Busca(t, acierta);
    if (!esquina) return std::nullopt;
    Punto opuesta = *esquina;
    while (acierta(opuesta.x + 1, esquina->y)) ++opuesta.x;
    while (acierta(esquina->x, opuesta.y + 1)) ++opuesta.y;
    return Punto{(esquina->x + opuesta.x) / 2, (esquina->y + opuesta.y) / 2};
}

}  // namespace

std::optional<Punto> PuntoDelMarcador(Sesion& sesion, int tablero) {
    Tablero* t = TableroDe(sesion, tablero);
    if (t == nullptr) return std::nullopt;
    return Medio(*t, [t](int x, int y) { return t->MarcadorEn(x, y); });
}

std::optional<Punto> PuntoDelPuerto(Sesion& sesion, int tablero, int puerto) {
    Tablero* t = TableroDe(sesion, tablero);
    if (t == nullptr) return std::nullopt;
    const Puerto* buscado = t->DireccionDePuerto(puerto);
    if (buscado == nullptr) return std::nullopt;
    // The first point a click finds it at, as a row-by-row search of the board meets it.
    return Busca(*t, [&](int x, int y) { return t->PuertoEn(x, y) == buscado; });
}

std::optional<Punto> CentroDelPuerto(Sesion& sesion, int tablero, int puerto) {
    Tablero* t = TableroDe(sesion, tablero);
    const std::optional<Punto> punto = PuntoDelPuerto(sesion, tablero, puerto);
    if (t == nullptr || !punto) return std::nullopt;
    // A hit leaves the port's centre on the board.
    t->PuertoEn(punto->x, punto->y);
    return Punto{t->CentroX(), t->CentroY()};
}

std::optional<Punto> PuntoDeLaEntrada(Sesion& sesion, int tablero, int i) {
    Tablero* t = TableroDe(sesion, tablero);
    if (t == nullptr) return std::nullopt;
    // A board of levers answers which one a hit selects; any other its only input.
    const std::optional<Punto> borde = Busca(*t, [&](int x, int y) {
        return t->EntradaEn(x, y) &&
               (t->EntradaSeleccionada() < 0 || t->EntradaSeleccionada() == i);
    });
    if (!borde) return std::nullopt;
    // The middle of the lever, not its edge.
    return Punto{borde->x + 7, borde->y + 13};
}

std::optional<Punto> EsquinaDelTablero(const Sesion& sesion, int tablero) {
    const Tablero* t = TableroDe(sesion, tablero);
    if (t == nullptr) return std::nullopt;
    return Punto{t->EsquinaX(), t->EsquinaY()};
}

std::optional<AgarreDeChip> AgarreDelChip(Sesion& sesion, int chip, int protoboard, int columna) {
    Componentes& chips = sesion.mesa.componentes();
    if (chip < 0 || static_cast<std::size_t>(chip) >= chips.size()) return std::nullopt;
    // The chip plugs in by the hole above its last pin, at the top of its first column:
    // at that hole's centre.
    const std::optional<Punto> centro = CentroDelPuerto(sesion, protoboard, 5 * columna + 4);
    if (!centro) return std::nullopt;
    const Punto hoyo = *centro;
    const Componente& c = chips[static_cast<std::size_t>(chip)];
    const Punto esquina = c.Ubicacion();
    const Punto agarre{esquina.x + c.Anchura() / 2, esquina.y + c.Altura() / 2};
    const Punto enchufe = c.Desplazamiento();
    return AgarreDeChip{agarre, {agarre.x + hoyo.x - enchufe.x - esquina.x, agarre.y + hoyo.y - enchufe.y - esquina.y}};
}

}  // namespace velistra
