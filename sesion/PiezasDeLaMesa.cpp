#include "sesion/PiezasDeLaMesa.h"

#include <algorithm>
#include <vector>

#include "simulacion/Mesa.h"

namespace velistra {

namespace {

// Every port under a point, in list order: boards may overlap.
std::vector<Puerto*> PuertosEn(Mesa& mesa, int x, int y) {
    std::vector<Puerto*> puertos;
    for (auto& t : mesa.tablero()) {
        if (Puerto* p = t->PuertoEn(x, y)) puertos.push_back(p);
    }
    return puertos;
}

}  // namespace

Area Area::Une(const Area& o) const {
    return {std::min(l, o.l), std::min(t, o.t), std::max(r, o.r), std::max(b, o.b)};
}

Area AreaEntre(int x0, int y0, int x1, int y1) {
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1};
}

Area AreaDe(const Tablero& t) {
    const Tamano tamano = t.TamanoDibujado();
    return {t.EsquinaX(), t.EsquinaY(), t.EsquinaX() + tamano.ancho, t.EsquinaY() + tamano.alto};
}

Area AreaDe(const Componente& c) {
    const Punto p = c.Ubicacion();
    return {p.x, p.y, p.x + c.Anchura(), p.y + c.Altura()};
}

Area AreaDe(const Cable& c) {
    Area area{c.AX(), c.AY(), c.AX() + 1, c.AY() + 1};
    for (const Punto& p : c.Puntos()) area = area.Une({p.x, p.y, p.x + 1, p.y + 1});
    // Half the pen either side of the path.
    const int medio = c.Anchura() / 2 + 1;
    return {area.l - medio, area.t - medio, area.r + medio, area.b + medio};
}

bool EstaALaVista(const Mesa& mesa, const Tablero& t) {
    return &t != mesa.reloj() || t.EstaVisible();
}

std::optional<Area> AreaEnUso(const Mesa& mesa) {
    std::optional<Area> area;
    const auto agrega = [&area](const Area& a) { area = area ? area->Une(a) : a; };
    for (const auto& t : mesa.tablero()) {
        if (EstaALaVista(mesa, *t)) agrega(AreaDe(*t));
    }
    for (const Componente& chip : mesa.componentes()) agrega(AreaDe(chip));
    for (const Cable& cable : mesa.cables().Lista()) agrega(AreaDe(cable));
    return area;
}

std::pair<Puerto*, Puerto*> PuertosDelCable(Mesa& mesa, const Cable& cable) {
    const std::vector<Puerto*> enA = PuertosEn(mesa, cable.AX(), cable.AY());
    const std::vector<Puerto*> enB = PuertosEn(mesa, cable.BX(), cable.BY());
    for (Puerto* a : enA) {
        for (Puerto* b : enB) {
            if (a->OtroPuerto() == b) return {a, b};
        }
    }
    return {enA.empty() ? nullptr : enA.front(), enB.empty() ? nullptr : enB.front()};
}

}  // namespace velistra
