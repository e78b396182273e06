#include "sesion/PintaMesa.h"

#include "modelo/Punto.h"
#include "sesion/PiezasDeLaMesa.h"
#include "simulacion/Mesa.h"

namespace velistra {

namespace {

bool EstaTapado(const Mesa& mesa, std::size_t i) {
    const Area area = AreaDe(*mesa.tablero()[i]);
    for (std::size_t j = i + 1; j < mesa.tablero().size(); ++j) {
        if (area.Corta(AreaDe(*mesa.tablero()[j]))) return true;
    }
    for (std::size_t k = 0; k < mesa.componentes().size(); ++k) {
        if (area.Corta(AreaDe(mesa.componentes()[k]))) return true;
    }
    return false;
}

}  // namespace

void PintaCapaFija(Mesa& mesa, Lienzo& lienzo, const std::function<void()>& corta) {
    const auto separa = [&] {
        if (corta) corta();
    };
    for (auto& tablero : mesa.tablero()) {
        tablero->Dibuja(lienzo);
        separa();
    }
    for (std::size_t k = 0; k < mesa.componentes().size(); ++k) {
        mesa.componentes()[k].Dibuja(lienzo);
        separa();
    }
    mesa.cables().DibujaBarra(lienzo);
    for (const Cable& cable : mesa.cables().Lista()) {
        separa();
        cable.Dibuja(lienzo);
    }
    if (const Cable* nuevo = mesa.cables().EnCurso()) {
        separa();
        nuevo->Dibuja(lienzo);
    }
}

void PintaLuces(Mesa& mesa, Lienzo& lienzo, const std::function<void()>& corta) {
    for (std::size_t i = 0; i < mesa.tablero().size(); ++i) {
        if (EstaTapado(mesa, i)) continue;
        mesa.tablero()[i]->DibujaLuces(lienzo);
        if (corta) corta();
    }
}

void PintaMesa(Mesa& mesa, Lienzo& lienzo) {
    PintaCapaFija(mesa, lienzo);
    PintaLuces(mesa, lienzo);
}

}  // namespace velistra
