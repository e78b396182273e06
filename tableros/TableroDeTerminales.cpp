#include "tableros/TableroDeTerminales.h"

#include <string>
#include <utility>

#include "plataforma/Lienzo.h"

namespace velistra {

TableroDeTerminales::TableroDeTerminales(std::vector<GrupoDeTerminales> terminales,
                                         std::vector<Zona> marcadores)
    : terminales(std::move(terminales)), marcadores(std::move(marcadores)) {}

Puerto* TableroDeTerminales::PuertoEn(int x, int y) {
    const auto t = TerminalEn(terminales, x - xEsquina, y - yEsquina);
    if (!t) return nullptr;
    return Acierta(t->puerto, t->centro.x, t->centro.y);
}

std::optional<Punto> TableroDeTerminales::CentroDePuerto(int i) const {
    const auto t = TerminalDePuerto(terminales, i);
    if (!t) return std::nullopt;
    return Punto{xEsquina + t->centro.x, yEsquina + t->centro.y};
}

bool TableroDeTerminales::MarcadorEn(int x, int y) {
    for (const Zona& z : marcadores) {
        if (z.Contiene(x - xEsquina, y - yEsquina)) return true;
    }
    return false;
}

void TableroDeTerminales::NodoBase(int base) {
    nBaseDeNodos = base;
    int nodo = base;
    for (int i = 0; i < nPuertos; ++i) {
        Puerto& p = pPuertos[static_cast<std::size_t>(i)];
        if (p.NumeroDeAnteriores() == 0) p.Nodo(nodo++);
    }
}

void TableroDeTerminales::EscribeCaracterDePuerto(Lienzo& lienzo, int i, bool bEstado) const {
    if (i < 0 || i >= nPuertos) return;
    const auto t = TerminalDePuerto(terminales, i);
    if (!t) return;
    const Puerto& p = pPuertos[static_cast<std::size_t>(i)];
    const std::string texto{bEstado ? p.Estado() : p.Tipo(), ' '};
    lienzo.Texto(xEsquina + t->esquina.x, yEsquina + t->esquina.y - 3, texto, Rgb(0, 0, 0), false);
}

}  // namespace velistra
