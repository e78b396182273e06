#pragma once
// Where the parts of the workbench lie, for the selection, the overlays and the view:
// the rectangle each one covers, and which ports hold a wire.
#include <optional>
#include <utility>

namespace velistra {

class Cable;
class Componente;
class Mesa;
class Puerto;
class Tablero;

// A rectangle of the workbench, [l, r) x [t, b).
struct Area {
    int l = 0, t = 0, r = 0, b = 0;
    bool Corta(const Area& o) const { return l < o.r && o.l < r && t < o.b && o.t < b; }
    bool Contiene(const Area& o) const { return l <= o.l && o.r <= r && t <= o.t && o.b <= b; }
    bool Contiene(int x, int y) const { return l <= x && x < r && t <= y && y < b; }
    Area Une(const Area& o) const;
    Area Desplazada(int dx, int dy) const { return {l + dx, t + dy, r + dx, b + dy}; }
};

// The rectangle spanned by two corners, whichever way round.
Area AreaEntre(int x0, int y0, int x1, int y1);
Area AreaDe(const Tablero& t);
Area AreaDe(const Componente& c);
Area AreaDe(const Cable& c);

// The hidden timer board is on the list but not on the bench.
bool EstaALaVista(const Mesa& mesa, const Tablero& t);
// What every part in use covers: the boards on view, the chips and the wires.
std::optional<Area> AreaEnUso(const Mesa& mesa);

// The two ports a wire joins. Where boards overlap under an end, the pair that really
// holds the wire wins, so removing it never leaves an invisible connection behind.
std::pair<Puerto*, Puerto*> PuertosDelCable(Mesa& mesa, const Cable& cable);

}  // namespace velistra
