#include "tableros/Fabrica.h"

#include "plataforma/Traducible.h"
#include "tableros/DescripcionesDeTableros.h"
#include "tableros/Protoboard.h"
#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeInterruptores.h"
#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeSieteSegmentos.h"
#include "tableros/TableroDeTemporizadores.h"
#include "tableros/TableroPLA.h"

namespace velistra {

namespace {

std::unique_ptr<Tablero> NuevoTablero(int tipo) {
    switch (tipo) {
        case Tablero::kProtoboard:
            return std::make_unique<Protoboard>();
        case Tablero::kInterruptores:
            return std::make_unique<TableroDeInterruptores>();
        case Tablero::kPulsadores:
            return std::make_unique<TableroDePulsadores>();
        case Tablero::kLeds:
            return std::make_unique<TableroDeLeds>();
        case Tablero::kFuenteDC:
            return std::make_unique<TableroDeFuenteDC>();
        case Tablero::kTemporizadores:
            return std::make_unique<TableroDeTemporizadores>();
        case Tablero::kSieteSegmentos:
            return std::make_unique<TableroDeSieteSegmentos>();
        case Tablero::kPLA:
            return std::make_unique<TableroPLA>();
        default:
            return nullptr;
    }
}

}  // namespace

std::unique_ptr<Tablero> CreaTablero(int tipo) {
    std::unique_ptr<Tablero> tablero = NuevoTablero(tipo);
    if (tablero) ColocaImagenes(*tablero);
    return tablero;
}

void ColocaImagenes(Tablero& tablero) {
    const DescripcionDeTablero* m = DescripcionDe(tablero.Tipo());
    if (m == nullptr) return;
    if (m->fondo.EsValida()) tablero.ImagenDeFondo(m->fondo, m->fondo.ancho, m->fondo.alto);
    if (m->entrada.EsValida())
        tablero.ImagenDeEntrada(m->entrada, m->entrada.ancho, m->entrada.alto);
    if (m->salida.EsValida()) tablero.ImagenDeSalida(m->salida, m->salida.ancho, m->salida.alto);
}

int NodosDeTablero(int tipo) {
    const DescripcionDeTablero* m = DescripcionDe(tipo);
    return m ? m->nodos : 0;
}

const char* NombreDeTablero(int tipo) {
    const DescripcionDeTablero* m = DescripcionDe(tipo);
    return m ? m->nombre : VELISTRA_TEXTO("tablero");
}

const DescripcionDeTablero& DescripcionDe(const Tablero& tablero) {
    static constexpr DescripcionDeTablero kNinguna{};
    const DescripcionDeTablero* d = DescripcionDe(tablero.Tipo());
    return d != nullptr ? *d : kNinguna;
}

const DescripcionDeTablero* DescripcionPorComando(int comando) {
    for (const DescripcionDeTablero& d : kDescripcionesDeTableros) {
        if (comando != 0 && d.comando == comando) return &d;
    }
    return nullptr;
}

int TipoDelPuestoFijo(int puesto) {
    for (const DescripcionDeTablero& d : kDescripcionesDeTableros) {
        if (d.puestoFijo >= 0 && d.puestoFijo == puesto) return d.tipo;
    }
    return -1;
}

}  // namespace velistra
