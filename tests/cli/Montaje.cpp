#include "Montaje.h"

#include "tableros/TableroDeTiras.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/Lienzo.h"

namespace velistra::ejemplos {

namespace {

constexpr int kBusVcc = 0;
constexpr int kBusGnd = 1;
// One bus hole to the right.
constexpr int kPasoDeHoyos = 13;

constexpr Color kColorDeVcc = Rgb(255, 0, 0);
constexpr Color kColorDeGnd = Rgb(0, 0, 0);
constexpr Color kColorDeSenal = Rgb(0, 0, 255);

}  // namespace

Montaje::Montaje() { mesa.InicializaMesa(); }

void Montaje::CableaTira(Tablero& t, int tira, const ChipColocado& chip, int pin) {
    constexpr int kTerminales = TableroDeTiras::kTerminalesPorTira;
    for (int i = kTerminales * tira; i < kTerminales * (tira + 1); ++i) {
        if (t.DireccionDePuerto(i)->EstaLibre()) return CableaPuerto(t, i, chip, pin);
    }
    throw prueba::MontajeRechazado("la tira " + std::to_string(tira) + " ya tiene tres cables");
}

void Montaje::CableaPuerto(Tablero& t, int puerto, const ChipColocado& chip, int pin) {
    montador.Cablea(montador.Pin(chip, pin), montador.Terminal(t, puerto), kColorDeSenal);
}

void Montaje::Une(const ChipColocado& a, int pinA, const ChipColocado& b, int pinB) {
    const prueba::Extremo desde = montador.Pin(a, pinA);
    montador.Cablea(desde, montador.Pin(b, pinB), kColorDeSenal);
}

void Montaje::UneComoUnArchivo(Tablero& ta, int a, Tablero& tb, int b) {
    montador.CableaComoUnArchivo(montador.Terminal(ta, a), montador.Terminal(tb, b), kColorDeSenal);
}

void Montaje::Cablea(Tablero& ta, int a, Tablero& tb, int b) {
    montador.Cablea(montador.Terminal(ta, a), montador.Terminal(tb, b), kColorDeSenal);
}

void Montaje::AlimentaBuses(Tablero& protoboard) {
    montador.Cablea(montador.Bus(protoboard, kBusVcc, 0), montador.Terminal(*mesa.fuentedc(), 0),
                    kColorDeVcc);
    montador.Cablea(montador.Bus(protoboard, kBusGnd, 0), montador.Terminal(*mesa.fuentedc(), 4),
                    kColorDeGnd);
}

void Montaje::PinAlBus(const ChipColocado& chip, int pin, int fila) {
    const prueba::Extremo hoyo = montador.Pin(chip, pin);
    montador.Cablea(montador.Bus(*chip.protoboard, fila, montador.Centro(hoyo).x), hoyo,
                    fila == kBusVcc ? kColorDeVcc : kColorDeGnd);
}

Tablero& Montaje::Protoboard() {
    Tablero& p = Agrega(Tablero::kProtoboard, kProtoboard);
    AlimentaBuses(p);
    return p;
}

BancoConLamparas Montaje::ConLamparas(int entradas) {
    Tablero& p = Protoboard();
    Tablero& tablero = Agrega(entradas, kPrimeraFila);
    return {p, tablero, Agrega(Tablero::kLeds, kSegundoLugar)};
}

void Montaje::PinAVcc(const ChipColocado& chip, int pin) { PinAlBus(chip, pin, kBusVcc); }

void Montaje::PinAGnd(const ChipColocado& chip, int pin) { PinAlBus(chip, pin, kBusGnd); }

ChipColocado Montaje::InsertaAlimentado(long codigo, Tablero& protoboard, int columna, int gnd,
                                        int vcc) {
    const ChipColocado chip = Inserta(codigo, protoboard, columna);
    PinAGnd(chip, gnd);
    PinAVcc(chip, vcc);
    return chip;
}

void Montaje::PuertoAVcc(Tablero& protoboard, Tablero& t, int puerto) {
    const prueba::Extremo terminal = montador.Terminal(t, puerto);
    montador.Cablea(montador.Bus(protoboard, kBusVcc, montador.Centro(terminal).x), terminal,
                    kColorDeVcc);
}

void Montaje::PuertoAGnd(Tablero& protoboard, Tablero& t, int puerto) {
    // One hole over, so that it does not run along a supply wire dropped to the same board.
    const prueba::Extremo terminal = montador.Terminal(t, puerto);
    montador.Cablea(montador.Bus(protoboard, kBusGnd, montador.Centro(terminal).x + kPasoDeHoyos),
                    terminal, kColorDeGnd);
}

void Montaje::AlimentaTiras(Tablero& protoboard, Tablero& t) {
    const auto& tiras = dynamic_cast<const TableroDeTiras&>(t);
    PuertoAVcc(protoboard, t, tiras.PuertoVcc());
    PuertoAGnd(protoboard, t, tiras.PuertoGnd());
}

std::string Montaje::Texto() const { return TextoDeCircuito(mesa); }

}  // namespace velistra::ejemplos
