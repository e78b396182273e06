#include "CircuitosDeEjemplo.h"

#include "Montaje.h"

namespace velistra::ejemplos {

namespace {

// Common pins of the 14-pin gate chips.
constexpr int kGndDe14 = 7;
constexpr int kVccDe14 = 14;

// A: lever 0, B: lever 1 of board 4. Sum on lamp 0, carry on lamp 1 of board 5.
void Semisumador(Montaje& m) {
    const auto [p, palancas, leds] = m.ConLamparas(Tablero::kInterruptores);
    const ChipColocado o = m.Inserta(7086, p, 4);
    const ChipColocado y = m.Inserta(7008, p, 14);
    for (const ChipColocado& chip : {o, y}) {
        m.PinAGnd(chip, kGndDe14);
        m.PinAVcc(chip, kVccDe14);
        m.CableaTira(palancas, 0, chip, 1);
        m.CableaTira(palancas, 1, chip, 2);
    }
    m.AlimentaTiras(p, palancas);
    m.CableaPuerto(leds, 0, o, 3);
    m.CableaPuerto(leds, 1, y, 3);
    m.PuertoAGnd(p, leds, 8);
}

// A on levers 0-3 and B on levers 4-7 of board 4 (bit 0 first); the sum on lamps 0-3
// and the carry out on lamp 4 of board 5. The carry in is tied low.
void Sumador(Montaje& m) {
    const auto [p, palancas, leds] = m.ConLamparas(Tablero::kInterruptores);
    const ChipColocado s = m.InsertaAlimentado(7083, p, 4, 12, 5);
    m.PinAGnd(s, 13);
    constexpr int kA[] = {10, 8, 3, 1};
    constexpr int kB[] = {11, 7, 4, 16};
    constexpr int kSuma[] = {9, 6, 2, 15};
    for (int bit = 0; bit < 4; ++bit) {
        m.CableaTira(palancas, bit, s, kA[bit]);
        m.CableaTira(palancas, 4 + bit, s, kB[bit]);
        m.CableaPuerto(leds, bit, s, kSuma[bit]);
    }
    m.CableaPuerto(leds, 4, s, 14);
    m.AlimentaTiras(p, palancas);
    m.PuertoAGnd(p, leds, 8);
}

// A 7490 wired as a decade counter on the timer's 1 Hz clock, decoded by a 7447 onto
// digit 0 of the seven-segment board 4. Lever 0 of board 5 resets it to 0, since it
// powers up at whatever count the first edges leave.
void ContadorBcd(Montaje& m) {
    Tablero& p = m.Protoboard();
    Tablero& reloj = m.MuestraTemporizador();
    Tablero& display = m.Agrega(Tablero::kSieteSegmentos, kSegundoLugar);
    Tablero& palancas = m.Agrega(Tablero::kInterruptores, kPrimeraFila);
    const ChipColocado contador = m.Inserta(7090, p, 4);
    const ChipColocado decodificador = m.Inserta(7047, p, 14);
    m.PinAGnd(contador, 10);
    m.PinAVcc(contador, 5);
    // Reset to 0 (pins 2, 3) from the lever; never to 9 (pins 6, 7): a floating input
    // reads 1.
    m.CableaTira(palancas, 0, contador, 2);
    m.CableaTira(palancas, 0, contador, 3);
    m.PinAGnd(contador, 6);
    m.PinAGnd(contador, 7);
    constexpr int kRelojDe1Hz = 3;
    m.CableaTira(reloj, kRelojDe1Hz, contador, 14);
    // QA into the divide-by-five section's clock.
    m.Une(contador, 12, contador, 1);
    m.PinAGnd(decodificador, 8);
    m.PinAVcc(decodificador, 16);
    // QA QB QC QD into A B C D.
    m.Une(contador, 12, decodificador, 7);
    m.Une(contador, 9, decodificador, 1);
    m.Une(contador, 8, decodificador, 2);
    m.Une(contador, 11, decodificador, 6);
    // Segments a b c d e f g of digit 0.
    constexpr int kSegmentos[] = {13, 12, 11, 10, 9, 15, 14};
    for (int s = 0; s < 7; ++s) m.CableaPuerto(display, s, decodificador, kSegmentos[s]);
    m.AlimentaTiras(p, reloj);
    m.AlimentaTiras(p, palancas);
    m.PuertoAVcc(p, display, 32);
}

// A 74194 shifting right on every press of key 1 (clock), taking key 0 (serial input);
// QA..QD on lamps 0-3 of board 5.
void RegistroDeDesplazamiento(Montaje& m) {
    const auto [p, teclas, leds] = m.ConLamparas(Tablero::kPulsadores);
    const ChipColocado r = m.InsertaAlimentado(7194, p, 4, 8, 16);
    // Clear (active low) off; S1 S0 = 0 1 shifts right.
    m.PinAVcc(r, 1);
    m.PinAVcc(r, 9);
    m.PinAGnd(r, 10);
    m.CableaTira(teclas, 0, r, 2);
    m.CableaTira(teclas, 1, r, 11);
    constexpr int kSalidas[] = {15, 14, 13, 12};
    for (int i = 0; i < 4; ++i) m.CableaPuerto(leds, i, r, kSalidas[i]);
    m.AlimentaTiras(p, teclas);
    m.PuertoAGnd(p, leds, 8);
}

// A 74181: A on levers 0-3 and B on levers 4-7 of board 4; S0..S3 on levers 0-3, M on
// lever 4 and Cn on lever 5 of board 5. F0..F3 on lamps 0-3, Cn+4, A=B, P and G on
// lamps 4-7 of board 6.
void Alu(Montaje& m) {
    Tablero& p = m.Protoboard();
    Tablero& datos = m.Agrega(Tablero::kInterruptores, kPrimeraFila);
    Tablero& control = m.Agrega(Tablero::kInterruptores, kSegundoLugar);
    Tablero& leds = m.Agrega(Tablero::kLeds, kTercerLugar);
    const ChipColocado alu = m.InsertaAlimentado(7181, p, 4, 12, 24);
    constexpr int kA[] = {2, 23, 21, 19};
    constexpr int kB[] = {1, 22, 20, 18};
    constexpr int kS[] = {6, 5, 4, 3};
    for (int bit = 0; bit < 4; ++bit) {
        m.CableaTira(datos, bit, alu, kA[bit]);
        m.CableaTira(datos, 4 + bit, alu, kB[bit]);
        m.CableaTira(control, bit, alu, kS[bit]);
    }
    m.CableaTira(control, 4, alu, 8);
    m.CableaTira(control, 5, alu, 7);
    constexpr int kSalidas[] = {9, 10, 11, 13, 16, 14, 15, 17};
    for (int i = 0; i < 8; ++i) m.CableaPuerto(leds, i, alu, kSalidas[i]);
    m.AlimentaTiras(p, datos);
    m.AlimentaTiras(p, control);
    m.PuertoAGnd(p, leds, 8);
}

// Two NAND gates of a 7400 cross-coupled: /S on lever 0, /R on lever 1 of board 4;
// Q on lamp 0 and /Q on lamp 1 of board 5.
void BiestableSR(Montaje& m) {
    const auto [p, palancas, leds] = m.ConLamparas(Tablero::kInterruptores);
    const ChipColocado nand = m.InsertaAlimentado(7000, p, 4, kGndDe14, kVccDe14);
    m.CableaTira(palancas, 0, nand, 1);
    m.CableaTira(palancas, 1, nand, 5);
    m.Une(nand, 3, nand, 4);
    m.Une(nand, 6, nand, 2);
    m.CableaPuerto(leds, 0, nand, 3);
    m.CableaPuerto(leds, 1, nand, 6);
    m.AlimentaTiras(p, palancas);
    m.PuertoAGnd(p, leds, 8);
}

// An inverter of a 7404 whose output is wired back to its input: it never settles.
// Its output on lamp 0 of board 4.
void Anillo(Montaje& m) {
    Tablero& p = m.Protoboard();
    Tablero& leds = m.Agrega(Tablero::kLeds, kPrimeraFila);
    const ChipColocado inversor = m.InsertaAlimentado(7004, p, 4, kGndDe14, kVccDe14);
    m.Une(inversor, 2, inversor, 1);
    m.CableaPuerto(leds, 0, inversor, 2);
    m.PuertoAGnd(p, leds, 8);
}

}  // namespace

const std::vector<Ejemplo>& Ejemplos() {
    static const std::vector<Ejemplo> ejemplos{
        {"semisumador", Semisumador},
        {"sumador-4-bits", Sumador},
        {"contador-bcd", ContadorBcd},
        {"registro-de-desplazamiento", RegistroDeDesplazamiento},
        {"alu-74181", Alu},
        {"biestable-sr", BiestableSR},
        {"anillo-realimentado", Anillo},
    };
    return ejemplos;
}

std::string TextoDeEjemplo(const Ejemplo& ejemplo) {
    Montaje m;
    ejemplo.monta(m);
    return m.Texto();
}

}  // namespace velistra::ejemplos
