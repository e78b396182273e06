#include "tableros/Fabrica.h"

#include <array>

#include "tableros/Protoboard.h"
#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeInterruptores.h"
#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeSieteSegmentos.h"
#include "tableros/TableroDeTemporizadores.h"
#include "tableros/TableroPLA.h"
#include "plataforma/Recursos.h"

namespace velistra {

namespace {

struct ModeloDeTablero {
    int tipo;
    Imagen fondo;
    Imagen entrada;  // an operated input: lever up, key pressed, supply switched on
    Imagen salida;   // a lit lamp
    int nodos;
};

constexpr std::array kModelos{
    ModeloDeTablero{Tablero::kProtoboard, recursos::Protoboard, {}, {}, 132},
    ModeloDeTablero{
        Tablero::kInterruptores, recursos::Interruptores, recursos::InterruptorON, {}, 10},
    ModeloDeTablero{Tablero::kPulsadores, recursos::Pulsadores, recursos::PulsadorON, {}, 10},
    ModeloDeTablero{Tablero::kLeds, recursos::Leds, {}, recursos::LedON, 9},
    ModeloDeTablero{Tablero::kFuenteDC, recursos::FuenteDC, recursos::InterruptorON,
                    recursos::LedON, 2},
    ModeloDeTablero{Tablero::kTemporizadores, recursos::Reloj, {}, {}, 6},
    ModeloDeTablero{Tablero::kSieteSegmentos, recursos::Leds7Segmentos, {}, {}, 33},
    ModeloDeTablero{Tablero::kPLA, {}, {}, {}, 0},
};

const ModeloDeTablero* ModeloDe(int tipo) {
    for (const ModeloDeTablero& m : kModelos) {
        if (m.tipo == tipo) return &m;
    }
    return nullptr;
}

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
        // The PLA board brings its own pictures and stays at the corner (0, 0).
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
    const ModeloDeTablero* m = ModeloDe(tablero.Tipo());
    if (m == nullptr) return;
    if (m->fondo.EsValida()) tablero.ImagenDeFondo(m->fondo, m->fondo.ancho, m->fondo.alto);
    if (m->entrada.EsValida())
        tablero.ImagenDeEntrada(m->entrada, m->entrada.ancho, m->entrada.alto);
    if (m->salida.EsValida()) tablero.ImagenDeSalida(m->salida, m->salida.ancho, m->salida.alto);
}

int NodosDeTablero(int tipo) {
    const ModeloDeTablero* m = ModeloDe(tipo);
    return m ? m->nodos : 0;
}

}  // namespace velistra
