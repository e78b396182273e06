#include "persistence/MesaDeArchivos.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velistra::prueba {

Punto CentroDePuerto(Tablero& tablero, int indice) {
    for (int dy = 0; dy < tablero.Altura(); ++dy) {
        for (int dx = 0; dx < tablero.Anchura(); ++dx) {
            const Puerto* p = tablero.PuertoEn(tablero.EsquinaX() + dx, tablero.EsquinaY() + dy);
            if (p != nullptr && p->Indice() == indice) return {tablero.CentroX(), tablero.CentroY()};
        }
    }
    ADD_FAILURE() << "el tablero " << tablero.Identificador() << " no tiene el puerto " << indice;
    return {};
}

Puerto* PuertoBajo(Mesa& mesa, Punto p) {
    for (const auto& t : mesa.tablero) {
        if (Puerto* puerto = t->PuertoEn(p.x, p.y)) return puerto;
    }
    return nullptr;
}

ResultadoDeLectura Carga(Mesa& mesa, const std::string& texto) {
    std::istringstream entrada(texto);
    return LeeCircuito(mesa, entrada);
}

Cable CableEntre(Tablero& ta, int a, Tablero& tb, int b, const std::vector<Punto>& interior) {
    const Punto pa = CentroDePuerto(ta, a);
    const Punto pb = CentroDePuerto(tb, b);
    Cable cable;
    cable.Inicia(ta.Identificador(), pa.x, pa.y);
    cable.Construye(pb.x, pb.y);
    cable.Concluye(tb.Identificador(), pb.x, pb.y);
    if (interior.size() == 4) cable.Puntos({pa, interior[0], interior[1], interior[2], interior[3], pb});
    return cable;
}

Tablero& MesaDeArchivos::Agrega(int tipo) {
    Tablero* t = mesa.AgregaTablero(tipo);
    EXPECT_NE(t, nullptr);
    return *t;
}

bool MesaDeArchivos::Cablea(Tablero& ta, int a, Tablero& tb, int b,
                            const std::vector<Punto>& interior) {
    if (!mesa.ConectaPuertos(ta.DireccionDePuerto(a), tb.DireccionDePuerto(b))) return false;
    Cable cable = CableEntre(ta, a, tb, b, interior);
    cable.Color(mesa.cables.Color());
    mesa.cables.Agrega(cable);
    return true;
}

Componente& MesaDeArchivos::Suelta(long codigo, Tablero& protoboard, int hoyo) {
    mesa.componentes.Nuevo(codigo);
    Componente& chip = mesa.componentes[mesa.componentes.size() - 1];
    const Punto centro = CentroDePuerto(protoboard, hoyo);
    chip.UbicaEn({centro.x - chip.Desplazamiento().x, centro.y - chip.Desplazamiento().y});
    if (mesa.PuedeInsertarComponente(chip)) {
        mesa.OcupaComponente(chip);
        chip.NumeroDeProtoboard(mesa.tableroProtoboard->Identificador());
        chip.Inserta();
    } else {
        chip.Retira();
        chip.UbicaEn({20, 40});
    }
    return chip;
}

Componente& MesaDeArchivos::Deja(long codigo, Punto esquina) {
    mesa.componentes.Nuevo(codigo);
    Componente& chip = mesa.componentes[mesa.componentes.size() - 1];
    chip.UbicaEn(esquina);
    return chip;
}

void MesaDeArchivos::Enciende() {
    mesa.fuentedc->Conmuta();
    mesa.bON = true;
    mesa.componentes.Reinicia();
    mesa.EjecutaFunciones();
    for (const auto& t : mesa.tablero) t->Transmite();
    mesa.EjecutaFunciones();
}

}  // namespace velistra::prueba
