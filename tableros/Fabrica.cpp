#include "tableros/Fabrica.h"

#include <array>

#include "plataforma/Recursos.h"
#include "plataforma/Traducible.h"
#include "tableros/Protoboard.h"
#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeInterruptores.h"
#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeSieteSegmentos.h"
#include "tableros/TableroDeTemporizadores.h"
#include "tableros/TableroPLA.h"

namespace velistra {

namespace {

struct ModeloDeTablero {
    int tipo;
    Imagen fondo;
    Imagen entrada;  // an operated input: lever up, key pressed, supply switched on
    Imagen salida;   // a lit lamp
    int nodos;
    const char* nombre;
};

constexpr std::array kModelos{
    ModeloDeTablero{
        Tablero::kProtoboard, recursos::Protoboard, {}, {}, 132, VELISTRA_TEXTO("protoboard")},
    ModeloDeTablero{Tablero::kInterruptores,
                    recursos::Interruptores,
                    recursos::InterruptorON,
                    {},
                    10,
                    VELISTRA_TEXTO("interruptores")},
    ModeloDeTablero{Tablero::kPulsadores,
                    recursos::Pulsadores,
                    recursos::PulsadorON,
                    {},
                    10,
                    VELISTRA_TEXTO("pulsadores")},
    ModeloDeTablero{Tablero::kLeds, recursos::Leds, {}, recursos::LedON, 9, VELISTRA_TEXTO("leds")},
    ModeloDeTablero{Tablero::kFuenteDC, recursos::FuenteDC, recursos::InterruptorON,
                    recursos::LedON, 2, VELISTRA_TEXTO("fuente DC")},
    ModeloDeTablero{
        Tablero::kTemporizadores, recursos::Reloj, {}, {}, 6, VELISTRA_TEXTO("temporizador")},
    ModeloDeTablero{Tablero::kSieteSegmentos,
                    recursos::Leds7Segmentos,
                    {},
                    {},
                    33,
                    VELISTRA_TEXTO("siete segmentos")},
    ModeloDeTablero{Tablero::kPLA, {}, {}, {}, 0, VELISTRA_TEXTO("PLA")},
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

const char* NombreDeTablero(int tipo) {
    const ModeloDeTablero* m = ModeloDe(tipo);
    return m ? m->nombre : VELISTRA_TEXTO("tablero");
}

}  // namespace velistra
