#include "sesion/SeleccionConElRaton.h"

#include <algorithm>
#include <utility>

#include "sesion/EdicionDeGrupo.h"
#include "sesion/EditorDeMesa.h"
#include "simulacion/Mesa.h"

namespace velistra {

bool SeleccionConElRaton::Agarra(int x, int y, ResultadoDelRaton& r) {
    if (seleccion.Vacia() || !AgarraSeleccion(mesa, seleccion, x, y)) return false;
    if (mesa.bON()) {
        r.rechazo = Rechazo::ModuloEncendido;
        return true;
    }
    SacaChipsDelGrupo(mesa, seleccion);
    moviendo = true;
    ultimo = {x, y};
    recorrido = {};
    r.repintar = true;
    return true;
}

bool SeleccionConElRaton::EsEspacioLibre(int x, int y) const {
    const auto bajo = [x, y](const Area& a) { return a.Contiene(x, y); };
    if (std::any_of(mesa.tablero().begin(), mesa.tablero().end(),
                    [&](const auto& t) { return EstaALaVista(mesa, *t) && bajo(AreaDe(*t)); }))
        return false;
    if (std::any_of(mesa.componentes().begin(), mesa.componentes().end(),
                    [&](const Componente& chip) { return chip.Cubre(x, y); }))
        return false;
    const std::vector<Cable>& cables = mesa.cables().Lista();
    // A copy takes the hit test, which marks the segment it found.
    return std::none_of(cables.begin(), cables.end(), [&](Cable c) { return c.PasaPor(x, y); });
}

void SeleccionConElRaton::IniciaBanda(int x, int y) { origen = Punto{x, y}; }

bool SeleccionConElRaton::Mueve(int x, int y) {
    if (origen) banda = std::exchange(origen, std::nullopt);
    if (banda) {
        punta = {x, y};
        return true;
    }
    if (!moviendo) return false;
    const Punto d{x - ultimo.x, y - ultimo.y};
    DesplazaGrupo(mesa, seleccion, d);
    ultimo = {x, y};
    recorrido = {recorrido.x + d.x, recorrido.y + d.y};
    return true;
}

bool SeleccionConElRaton::Suelta(int x, int y, ResultadoDelRaton& r) {
    // A click on free space: the selection is already gone.
    if (origen && origen == Punto{x, y}) origen.reset();
    if (!Mueve(x, y)) return false;
    if (banda) {
        seleccion = SeleccionEn(mesa, *Banda());
        banda.reset();
    } else {
        moviendo = false;
        r.rechazo = AsientaChipsDelGrupo(mesa, seleccion);
        r.modificado = recorrido != Punto{};
    }
    r.repintar = true;
    return true;
}

std::optional<Area> SeleccionConElRaton::Banda() const {
    if (!banda) return std::nullopt;
    return AreaEntre(banda->x, banda->y, punta.x, punta.y);
}

}  // namespace velistra
