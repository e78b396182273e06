#include "tableros/Geometria.h"

namespace velistra {

namespace {

// Every terminal is a square whose centre lies 4 pixels right of and below its corner.
constexpr int kAlCentro = 4;

TerminalAcertado Terminal(const GrupoDeTerminales& g, int columna, int fila) {
    const Rejilla& r = g.rejilla;
    const Punto esquina{r.x + r.pasoX * columna, r.y + r.pasoY * fila};
    return TerminalAcertado{g.primerPuerto + g.pasoColumna * columna + g.pasoFila * fila, esquina,
                            Punto{esquina.x + kAlCentro, esquina.y + kAlCentro}};
}

}  // namespace

std::optional<TerminalAcertado> TerminalEn(std::span<const GrupoDeTerminales> grupos, int dx,
                                           int dy) {
    for (const GrupoDeTerminales& g : grupos) {
        const Rejilla& r = g.rejilla;
        const int u = dx - r.x;
        const int v = dy - r.y;
        if (u < 0 || v < 0 || u > r.ultimoDx || v > r.ultimoDy) continue;
        if (u % r.pasoX > r.lado || v % r.pasoY > r.lado) continue;
        return Terminal(g, u / r.pasoX, v / r.pasoY);
    }
    return std::nullopt;
}

std::optional<TerminalAcertado> TerminalDePuerto(std::span<const GrupoDeTerminales> grupos,
                                                 int puerto) {
    for (const GrupoDeTerminales& g : grupos) {
        for (int columna = 0; columna < g.rejilla.Columnas(); ++columna) {
            for (int fila = 0; fila < g.rejilla.Filas(); ++fila) {
                const TerminalAcertado t = Terminal(g, columna, fila);
                if (t.puerto == puerto) return t;
            }
        }
    }
    return std::nullopt;
}

}  // namespace velistra
