#pragma once
// The program's showcase, built with the mouse: every kind of board, chips of several
// packages and a wired circuit. Its tests switch the supply on and look at it.
#include <gtest/gtest.h>

#include <QTest>

#include "Apoyo.h"
#include "ConElPrograma.h"
#include "Usuario.h"
#include "tableros/TableroDeLuces.h"
#include "tableros/TableroPLA.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/Mesa.h"
#include "ui/programa/Programa.h"

namespace velistra::prueba {

// Breadboard holes: upper column c, row r (0 = a) is 5c + r; lower column c, row r
// (0 = f) is 320 + 5c + r; bus row f, hole k is 640 + 60f + k. Bus hole k lies under
// column k + 2.
inline constexpr int Arriba(int columna, int fila) { return 5 * columna + fila; }
inline constexpr int Abajo(int columna, int fila) { return 320 + 5 * columna + fila; }
inline constexpr int Bus(int fila, int k) { return 640 + 60 * fila + k; }
inline constexpr int kVcc = 0;       // upper bus row beside "+"
inline constexpr int kGnd = 1;       // upper bus row beside "-"
inline constexpr int kGndAbajo = 2;  // lower bus row beside "-"

struct Chip {
    int codigo;
    int columna;
    int pines;
};
// 7447 BCD to seven segments, 7404 inverters, 7408 AND gates, 74181 ALU.
inline constexpr Chip k7447{7047, 4, 16};
inline constexpr Chip k7404{7004, 30, 14};
inline constexpr Chip k7408{7008, 46, 14};
inline constexpr Chip k74181{7181, 14, 24};

class Escaparate : public ConElPrograma {
protected:
    void Monta() {
        programa.Principal().resize(1600, 800);
        programa.Principal().show();
        fuente = mesa.fuentedc();

        pla = &usuario.PonTablero(comandos::kPLA, {1010, 10});
        protoboard = &usuario.PonTablero(comandos::kProtoboard, {110, 160});
        display = &usuario.AgregaTablero(comandos::kSieteSegmentos);
        // Its inputs stand on the breadboard's pitch, right above columns 7 to 13.
        usuario.LlevaTablero(*display, {191, 10});
        leds = &usuario.PonTablero(comandos::kLeds, {660, 40});
        interruptores = &usuario.PonTablero(comandos::kInterruptores, {110, 470});
        usuario.PonTablero(comandos::kPulsadores, {720, 580});
        usuario.Elige(comandos::kTemporizador);
        temporizador = mesa.reloj();
        usuario.LlevaTablero(*temporizador, {479, 470});

        for (const Chip& chip : {k7447, k7404, k7408, k74181}) {
            usuario.Elige(chip.codigo);
            usuario.ColocaChip(mesa.componentes().size() - 1, *protoboard, chip.columna);
        }
        Alimenta();
        CableaElDecodificador();
        CableaLasLamparas();
    }

    void Alimenta() {
        Tablero& p = *protoboard;
        usuario.Cablea(*fuente, 0, p, Bus(kVcc, 0), Salida::Vertical);
        usuario.Cablea(*fuente, 4, p, Bus(kGnd, 0), Salida::Horizontal);
        usuario.Cablea(p, Bus(kGnd, 1), p, Bus(kGndAbajo, 1), Salida::Vertical);
        usuario.Cablea(*fuente, 1, *interruptores, 24, Salida::Horizontal);
        usuario.Cablea(*fuente, 7, *interruptores, 25, Salida::Vertical);
        for (const Chip& chip : {k7447, k7404, k7408, k74181}) {
            const int ultima = chip.columna + chip.pines / 2 - 1;
            usuario.Cablea(p, Bus(kVcc, chip.columna - 2), p, Arriba(chip.columna, 0));
            usuario.Cablea(p, Abajo(ultima, 4), p, Bus(kGndAbajo, ultima - 2));
        }
        usuario.Cablea(p, Bus(kVcc, 3), *display, 32, Salida::Vertical);
        usuario.Cablea(p, Bus(kGnd, 39), *leds, 8, Salida::Vertical);
        usuario.Cablea(*fuente, 2, *temporizador, 12, Salida::Horizontal);
        usuario.Cablea(p, Bus(kGndAbajo, 27), *temporizador, 13, Salida::Vertical);
    }

    // Levers 0 to 3 are the code's A, B, C and D; segments a to g of the first digit.
    void CableaElDecodificador() {
        Tablero& p = *protoboard;
        const int k = k7447.columna;
        usuario.Cablea(*interruptores, 0, p, Abajo(k + 6, 1), Salida::Vertical);  // A, pin 7
        usuario.Cablea(*interruptores, 3, p, Abajo(k, 2), Salida::Vertical);      // B, pin 1
        usuario.Cablea(*interruptores, 6, p, Abajo(k + 1, 3), Salida::Vertical);  // C, pin 2
        usuario.Cablea(*interruptores, 9, p, Abajo(k + 5, 4), Salida::Vertical);  // D, pin 6
        // a to e (pins 13 to 9) straight up; f and g (pins 15, 14) around them.
        for (int segmento = 0; segmento < 5; ++segmento)
            usuario.Cablea(p, Arriba(k + 3 + segmento, 3), *display, segmento, Salida::Vertical);
        usuario.Cablea(p, Arriba(k + 1, 0), *display, 5, Salida::Horizontal);
        usuario.Cablea(p, Arriba(k + 2, 1), *display, 6, Salida::Horizontal);
    }

    // Lamp 0 shows NOT lever 4 through the 7404; lamp 7 the timer's 1 Hz clock.
    void CableaLasLamparas() {
        Tablero& p = *protoboard;
        const int k = k7404.columna;
        usuario.Cablea(*interruptores, 12, p, Abajo(k, 2), Salida::Vertical);
        usuario.Cablea(p, Abajo(k + 1, 1), *leds, 0, Salida::Horizontal);
        usuario.Cablea(*temporizador, 9, *leds, 7, Salida::Horizontal);
    }

    // W = A AND B, X = NOT C, with A and B switched on.
    void ProgramaLaPLA() {
        auto& tablero = dynamic_cast<TableroPLA&>(*pla);
        const QPoint esquina(pla->EsquinaX(), pla->EsquinaY());
        for (auto [columna, termino] : {std::pair{0, 0}, {2, 0}, {8, 0}, {5, 1}, {9, 1}}) {
            const Punto cruce = TableroPLA::Cruce(columna, termino);
            usuario.Clic(esquina + QPoint(cruce.x, cruce.y));
        }
        for (int entrada : {0, 1}) {
            const Recuadro r = tablero.InterruptorDeEntrada(entrada).Region();
            usuario.Clic(QPoint((r.izquierda + r.derecha) / 2, (r.arriba + r.abajo) / 2));
        }
    }

    Tablero* fuente = nullptr;
    Tablero* protoboard = nullptr;
    Tablero* display = nullptr;
    Tablero* leds = nullptr;
    Tablero* interruptores = nullptr;
    Tablero* temporizador = nullptr;
    Tablero* pla = nullptr;
};

}  // namespace velistra::prueba
