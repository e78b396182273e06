#include "Montaje.h"

#include <cstdlib>
#include <stdexcept>

#include "boards/TableroDeTiras.h"
#include "persistence/ArchivoDeCircuito.h"
#include "plataforma/Lienzo.h"

namespace velistra::ejemplos {

namespace {

// Breadboard layout: columns of five holes above and below the channel, two bus rows
// of sixty holes at the top.
constexpr int kFilasPorColumna = 5;
constexpr int kPrimerHoyoInferior = 320;
constexpr int kPrimerHoyoDeBus = 640;
constexpr int kHoyosPorBus = 60;
constexpr int kBusVcc = 0;
constexpr int kBusGnd = 1;
constexpr int kPasoDeHoyos = 13;

// Red for the supply, black for ground, the bench's blue for signals.
constexpr Color kColorDeVcc = Rgb(255, 0, 0);
constexpr Color kColorDeGnd = Rgb(0, 0, 0);
constexpr Color kColorDeSenal = Rgb(0, 0, 255);

void Falla(const std::string& que) { throw std::runtime_error(que); }

// Where the mouse snaps a wire end on port `indice`: found by probing the board. Any
// point of a terminal gives its centre, and no terminal is narrower than the step.
Punto CentroDePuerto(Tablero& t, int indice) {
    constexpr int kPaso = 3;
    const Puerto* buscado = t.DireccionDePuerto(indice);
    for (int dy = 0; dy < t.Altura(); dy += kPaso) {
        for (int dx = 0; dx < t.Anchura(); dx += kPaso) {
            if (t.PuertoEn(t.EsquinaX() + dx, t.EsquinaY() + dy) == buscado)
                return {t.CentroX(), t.CentroY()};
        }
    }
    Falla("el puerto " + std::to_string(indice) + " del tablero " +
          std::to_string(t.Identificador()) + " no está a la vista");
    return {};
}

Puerto* PuertoBajo(Mesa& mesa, Punto p) {
    for (const auto& t : mesa.tablero) {
        if (Puerto* puerto = t->PuertoEn(p.x, p.y)) return puerto;
    }
    return nullptr;
}

}  // namespace

Montaje::Montaje() { mesa.InicializaMesa(); }

Tablero& Montaje::Agrega(int tipo, Punto esquina) {
    Tablero* t = mesa.AgregaTablero(tipo);
    if (t == nullptr) Falla("tablero de tipo desconocido " + std::to_string(tipo));
    t->UbicaEn(esquina.x, esquina.y);
    return *t;
}

Tablero& Montaje::MuestraTemporizador() {
    mesa.MuestraTemporizador();
    return *mesa.reloj;
}

ChipColocado Montaje::Inserta(long codigo, Tablero& protoboard, int columna) {
    mesa.componentes.Nuevo(codigo);
    Componente& chip = mesa.componentes[mesa.componentes.size() - 1];
    const Punto hoyo =
        CentroDePuerto(protoboard, kFilasPorColumna * columna + kFilasPorColumna - 1);
    chip.UbicaEn({hoyo.x - chip.Desplazamiento().x, hoyo.y - chip.Desplazamiento().y});
    if (!mesa.PuedeInsertarComponente(chip) || mesa.tableroProtoboard != &protoboard)
        Falla("el chip " + std::to_string(codigo) + " no entra en la columna " +
              std::to_string(columna));
    mesa.OcupaComponente(chip);
    chip.NumeroDeProtoboard(protoboard.Identificador());
    chip.Inserta();
    return {&protoboard, columna, chip.NumeroDePines()};
}

void Montaje::Cablea(Tablero& ta, int a, Tablero& tb, int b, Color color) {
    Puerto* pa = ta.DireccionDePuerto(a);
    Puerto* pb = tb.DireccionDePuerto(b);
    const Punto ca = CentroDePuerto(ta, a);
    const Punto cb = CentroDePuerto(tb, b);
    // The reader finds the ports again under the wire's ends, asking the boards in order.
    if (PuertoBajo(mesa, ca) != pa || PuertoBajo(mesa, cb) != pb)
        Falla("un tablero tapa el extremo de un cable");
    if (!pa->EstaLibre() || !pb->EstaLibre() || !mesa.PuedeConectarPuertos(pa, pb) ||
        !mesa.ConectaPuertos(pa, pb))
        Falla("no se puede cablear el puerto " + std::to_string(a) + " del tablero " +
              std::to_string(ta.Identificador()) + " con el " + std::to_string(b) + " del " +
              std::to_string(tb.Identificador()));
    // Drawn as the mouse draws it: leaving a vertically, then across to b.
    Cable cable;
    cable.Color(color);
    cable.Inicia(ta.Identificador(), ca.x, ca.y);
    cable.Construye(ca.x, cb.y);
    cable.Construye(cb.x, cb.y);
    cable.Concluye(tb.Identificador(), cb.x, cb.y);
    mesa.cables.Agrega(cable);
}

int Montaje::HoyoDePin(const ChipColocado& chip, int pin) const {
    // Pins 1..n/2 sit in row 0 below the channel, left to right; pins n/2+1..n in row 4
    // above it, right to left. The other four holes of the column are for wires.
    const bool abajo = pin <= chip.pines / 2;
    const int columna = chip.columna + (abajo ? pin - 1 : chip.pines - pin);
    const int primero =
        abajo ? kPrimerHoyoInferior + kFilasPorColumna * columna + 1 : kFilasPorColumna * columna;
    for (int i = primero; i < primero + kFilasPorColumna - 1; ++i) {
        if (chip.protoboard->DireccionDePuerto(i)->EstaLibre()) return i;
    }
    Falla("no quedan hoyos libres junto al pin " + std::to_string(pin));
    return -1;
}

int Montaje::HoyoDeBus(Tablero& protoboard, int fila, int xCercano) const {
    int mejor = -1;
    int distancia = 0;
    for (int k = 0; k < kHoyosPorBus; ++k) {
        const int i = kPrimerHoyoDeBus + kHoyosPorBus * fila + k;
        if (!protoboard.DireccionDePuerto(i)->EstaLibre()) continue;
        const int d = std::abs(protoboard.EsquinaX() + 53 + kPasoDeHoyos * k - xCercano);
        if (mejor < 0 || d < distancia) {
            mejor = i;
            distancia = d;
        }
    }
    if (mejor < 0) Falla("el bus está lleno");
    return mejor;
}

void Montaje::CableaTira(Tablero& t, int tira, const ChipColocado& chip, int pin) {
    constexpr int kTerminales = TableroDeTiras::kTerminalesPorTira;
    for (int i = kTerminales * tira; i < kTerminales * (tira + 1); ++i) {
        if (t.DireccionDePuerto(i)->EstaLibre()) return CableaPuerto(t, i, chip, pin);
    }
    Falla("la tira " + std::to_string(tira) + " ya tiene tres cables");
}

void Montaje::Cablea(Tablero& ta, int a, Tablero& tb, int b) {
    Cablea(ta, a, tb, b, kColorDeSenal);
}

void Montaje::CableaPuerto(Tablero& t, int puerto, const ChipColocado& chip, int pin) {
    Cablea(*chip.protoboard, HoyoDePin(chip, pin), t, puerto, kColorDeSenal);
}

void Montaje::Une(const ChipColocado& a, int pinA, const ChipColocado& b, int pinB) {
    Cablea(*a.protoboard, HoyoDePin(a, pinA), *b.protoboard, HoyoDePin(b, pinB), kColorDeSenal);
}

void Montaje::CableaAlBus(Tablero& protoboard, int fila, Tablero& t, int puerto, int xCercano) {
    Cablea(protoboard, HoyoDeBus(protoboard, fila, xCercano), t, puerto,
           fila == kBusVcc ? kColorDeVcc : kColorDeGnd);
}

void Montaje::AlimentaBuses(Tablero& protoboard) {
    CableaAlBus(protoboard, kBusVcc, *mesa.fuentedc, 0, 0);
    CableaAlBus(protoboard, kBusGnd, *mesa.fuentedc, 4, 0);
}

void Montaje::PinAVcc(const ChipColocado& chip, int pin) {
    const int hoyo = HoyoDePin(chip, pin);
    CableaAlBus(*chip.protoboard, kBusVcc, *chip.protoboard, hoyo,
                CentroDePuerto(*chip.protoboard, hoyo).x);
}

void Montaje::PinAGnd(const ChipColocado& chip, int pin) {
    const int hoyo = HoyoDePin(chip, pin);
    CableaAlBus(*chip.protoboard, kBusGnd, *chip.protoboard, hoyo,
                CentroDePuerto(*chip.protoboard, hoyo).x);
}

void Montaje::PuertoAVcc(Tablero& protoboard, Tablero& t, int puerto) {
    CableaAlBus(protoboard, kBusVcc, t, puerto, CentroDePuerto(t, puerto).x);
}

void Montaje::PuertoAGnd(Tablero& protoboard, Tablero& t, int puerto) {
    // One hole over, so that it does not run along a supply wire dropped to the same board.
    CableaAlBus(protoboard, kBusGnd, t, puerto, CentroDePuerto(t, puerto).x + kPasoDeHoyos);
}

void Montaje::AlimentaTiras(Tablero& protoboard, Tablero& t) {
    const auto& tiras = dynamic_cast<const TableroDeTiras&>(t);
    PuertoAVcc(protoboard, t, tiras.PuertoVcc());
    PuertoAGnd(protoboard, t, tiras.PuertoGnd());
}

std::string Montaje::Texto() const { return TextoDeCircuito(mesa); }

}  // namespace velistra::ejemplos
