#include "sesion/Seleccion.h"

#include <algorithm>
#include <limits>

#include "plataforma/Lienzo.h"
#include "simulacion/Mesa.h"

namespace velistra {

namespace {

constexpr Color kColorDeSeleccion = Rgb(220, 0, 220);

template <typename T>
bool Tiene(const std::vector<T>& lista, T valor) {
    return std::find(lista.begin(), lista.end(), valor) != lista.end();
}

template <typename T>
void Alterna(std::vector<T>& lista, T valor) {
    const auto it = std::find(lista.begin(), lista.end(), valor);
    if (it == lista.end())
        lista.push_back(valor);
    else
        lista.erase(it);
}

void Marco(Lienzo& lienzo, const Area& a) {
    lienzo.MueveA(a.l, a.t);
    lienzo.LineaA(a.r, a.t);
    lienzo.LineaA(a.r, a.b);
    lienzo.LineaA(a.l, a.b);
    lienzo.LineaA(a.l, a.t);
}

// A copy takes the hit test, which marks the segment it found.
bool PasaPor(Cable cable, int x, int y) { return cable.PasaPor(x, y); }

}  // namespace

bool Seleccion::TieneTablero(int identificador) const { return Tiene(tableros, identificador); }
bool Seleccion::TieneChip(std::size_t i) const { return Tiene(chips, i); }
bool Seleccion::TieneCable(std::size_t i) const { return Tiene(cables, i); }

Seleccion SeleccionEn(const Mesa& mesa, const Area& area) {
    Seleccion s;
    for (const auto& t : mesa.tablero()) {
        if (EstaALaVista(mesa, *t) && area.Contiene(AreaDe(*t))) s.tableros.push_back(t->Identificador());
    }
    for (std::size_t i = 0; i < mesa.componentes().size(); ++i) {
        if (area.Contiene(AreaDe(mesa.componentes()[i]))) s.chips.push_back(i);
    }
    const std::vector<Cable>& cables = mesa.cables().Lista();
    for (std::size_t i = 0; i < cables.size(); ++i) {
        const Cable::Vertices& v = cables[i].Puntos();
        if (std::all_of(v.begin(), v.end(), [&](const Punto& p) { return area.Contiene(p.x, p.y); }))
            s.cables.push_back(i);
    }
    return s;
}

Seleccion SeleccionDeTodo(const Mesa& mesa) {
    constexpr int kLejos = std::numeric_limits<int>::max() / 2;
    return SeleccionEn(mesa, {-kLejos, -kLejos, kLejos, kLejos});
}

bool AlternaEn(Mesa& mesa, Seleccion& seleccion, int x, int y) {
    for (auto& t : mesa.tablero()) {
        if (t->MarcadorEn(x, y)) {
            Alterna(seleccion.tableros, t->Identificador());
            return true;
        }
    }
    // The chip drawn on top: the last one in the list.
    for (std::size_t i = mesa.componentes().size(); i-- > 0;) {
        if (mesa.componentes()[i].Cubre(x, y)) {
            Alterna(seleccion.chips, i);
            return true;
        }
    }
    const std::vector<Cable>& cables = mesa.cables().Lista();
    for (std::size_t i = cables.size(); i-- > 0;) {
        if (PasaPor(cables[i], x, y)) {
            Alterna(seleccion.cables, i);
            return true;
        }
    }
    return false;
}

bool AgarraSeleccion(Mesa& mesa, const Seleccion& seleccion, int x, int y) {
    for (auto& t : mesa.tablero()) {
        if (seleccion.TieneTablero(t->Identificador()) && t->MarcadorEn(x, y)) return true;
    }
    for (std::size_t i = 0; i < mesa.componentes().size(); ++i) {
        if (seleccion.TieneChip(i) && mesa.componentes()[i].Cubre(x, y)) return true;
    }
    return false;
}

void PintaSeleccion(const Mesa& mesa, const Seleccion& seleccion, const std::optional<Area>& banda,
                    Lienzo& lienzo) {
    if (seleccion.Vacia() && !banda) return;
    const Pluma antes = lienzo.SeleccionaPluma({kColorDeSeleccion, 1});
    for (const auto& t : mesa.tablero()) {
        if (seleccion.TieneTablero(t->Identificador()) && EstaALaVista(mesa, *t)) {
            const Area a = AreaDe(*t);
            Marco(lienzo, {a.l - 2, a.t - 2, a.r + 1, a.b + 1});
        }
    }
    for (const std::size_t i : seleccion.chips) {
        if (i >= mesa.componentes().size()) continue;
        const Area a = AreaDe(mesa.componentes()[i]);
        Marco(lienzo, {a.l - 2, a.t - 2, a.r + 1, a.b + 1});
    }
    const std::vector<Cable>& cables = mesa.cables().Lista();
    for (const std::size_t i : seleccion.cables) {
        if (i >= cables.size()) continue;
        const Cable::Vertices& v = cables[i].Puntos();
        lienzo.MueveA(v[0].x, v[0].y);
        for (std::size_t k = 1; k < v.size(); ++k) lienzo.LineaA(v[k].x, v[k].y);
    }
    if (banda) Marco(lienzo, {banda->l, banda->t, banda->r - 1, banda->b - 1});
    lienzo.SeleccionaPluma(antes);
}

}  // namespace velistra
