#include "sesion/Superposiciones.h"

#include "plataforma/Lienzo.h"
#include "simulacion/Mesa.h"
#include "simulacion/Sonda.h"

namespace velistra {

namespace {

constexpr Color kRojo = Rgb(230, 0, 0);
constexpr Color kAzulDeSonda = Rgb(0, 150, 255);
constexpr int kAncho = 2;
// Terminals are 9 x 9 around their centre; the frame sits just outside.
constexpr int kRadio = 5;

void Marco(Lienzo& lienzo, int l, int t, int r, int b) {
    lienzo.MueveA(l, t);
    lienzo.LineaA(r, t);
    lienzo.LineaA(r, b);
    lienzo.LineaA(l, b);
    lienzo.LineaA(l, t);
}

void Enmarca(Lienzo& lienzo, const std::vector<MiembroDeRed>& miembros, Color color) {
    const Pluma antes = lienzo.SeleccionaPluma({color, kAncho});
    for (const MiembroDeRed& m : miembros)
        Marco(lienzo, m.centro.x - kRadio, m.centro.y - kRadio, m.centro.x + kRadio,
              m.centro.y + kRadio);
    lienzo.SeleccionaPluma(antes);
}

}  // namespace

void PintaLazos(const Mesa& mesa, Lienzo& lienzo) {
    if (!mesa.SinAsentar()) return;
    const LazosAlLimite lazos = mesa.Lazos();
    Enmarca(lienzo, MiembrosDeRedes(mesa, lazos.nodos), kRojo);
    const Pluma antes = lienzo.SeleccionaPluma({kRojo, kAncho});
    for (const int c : lazos.chips) {
        const Componente& chip = mesa.componentes()[static_cast<std::size_t>(c)];
        const Punto p = chip.Ubicacion();
        Marco(lienzo, p.x - kAncho, p.y - kAncho, p.x + chip.Anchura() + kAncho - 1,
              p.y + chip.Altura() + kAncho - 1);
    }
    lienzo.SeleccionaPluma(antes);
}

void PintaRedSondeada(Mesa& mesa, std::optional<Punto> puntero, Lienzo& lienzo) {
    if (!puntero) return;
    if (const std::optional<LecturaDeSonda> lectura = Sondea(mesa, puntero->x, puntero->y))
        Enmarca(lienzo, lectura->miembros, kAzulDeSonda);
}

}  // namespace velistra
