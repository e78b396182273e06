#include "CircuitosDePracticas.h"

#include <sstream>
#include <utility>

#include "Montaje.h"
#include "cli/EscrituraDeTabla.h"

namespace velistra::ejemplos {

namespace {

using docencia::TablaDeVerdad;
using Fila = std::vector<bool>;

// Every bench: the breadboard (3), the levers (4) and the lights (5).
constexpr int kProtoboard = 3;
constexpr int kPalancas = 4;
constexpr int kLuces = 5;
constexpr int kGnd14 = 7;
constexpr int kVcc14 = 14;
constexpr int kGnd16 = 8;
constexpr int kVcc16 = 16;
// Where the chips go, left to right.
constexpr int kColumnas[] = {4, 14, 24, 34};

Tablero& T(Montaje& m, int identificador) { return *m.mesa.TableroConIdentificador(identificador); }

void ConLeds(Montaje& m) {
    const BancoConLamparas b = m.ConLamparas(Tablero::kInterruptores);
    m.AlimentaTiras(b.protoboard, b.entradas);
    m.PuertoAGnd(b.protoboard, b.leds, 8);
}

void ConDisplay(Montaje& m) {
    Tablero& p = m.Protoboard();
    Tablero& palancas = m.Agrega(Tablero::kInterruptores, kPrimeraFila);
    Tablero& display = m.Agrega(Tablero::kSieteSegmentos, kSegundoLugar);
    m.AlimentaTiras(p, palancas);
    m.PuertoAVcc(p, display, 32);
}

ChipColocado Chip(Montaje& m, long codigo, int lugar, int gnd, int vcc) {
    return m.InsertaAlimentado(codigo, T(m, kProtoboard), kColumnas[lugar], gnd, vcc);
}
ChipColocado Chip14(Montaje& m, long codigo, int lugar) {
    return Chip(m, codigo, lugar, kGnd14, kVcc14);
}
ChipColocado Chip16(Montaje& m, long codigo, int lugar) {
    return Chip(m, codigo, lugar, kGnd16, kVcc16);
}

void Palanca(Montaje& m, int palanca, const ChipColocado& chip, int pin) {
    m.CableaTira(T(m, kPalancas), palanca, chip, pin);
}
void Luz(Montaje& m, int luz, const ChipColocado& chip, int pin) {
    m.CableaPuerto(T(m, kLuces), luz, chip, pin);
}

std::vector<std::string> Nombres(const char* prefijo, int cuantos, const char* sufijo = "") {
    std::vector<std::string> nombres;
    for (int i = 0; i < cuantos; ++i) nombres.push_back(prefijo + std::to_string(i) + sufijo);
    return nombres;
}
std::vector<std::string> Palancas(int n) { return Nombres("int4.", n); }
std::vector<std::string> Leds(int n) { return Nombres("leds5.", n); }
std::vector<std::string> Segmentos() {
    std::vector<std::string> s;
    for (const char letra : std::string("abcdefg")) s.push_back(std::string("7seg5.0") + letra);
    return s;
}

// Every combination of the levers, the first the most significant, as `tabla` goes.
template <typename Logica>
TablaDeVerdad Combinacional(int palancas, std::vector<std::string> salidas, Logica logica) {
    TablaDeVerdad t{Palancas(palancas), std::move(salidas), {}};
    for (unsigned v = 0; v < (1u << palancas); ++v) {
        Fila fila;
        for (int i = palancas - 1; i >= 0; --i) fila.push_back(((v >> i) & 1u) != 0);
        const Fila luces = logica(fila);
        fila.insert(fila.end(), luces.begin(), luces.end());
        t.filas.push_back(fila);
    }
    return t;
}

// Bits of a number, least significant first.
unsigned Valor(const Fila& f, std::size_t desde, std::size_t bits) {
    unsigned v = 0;
    for (std::size_t i = 0; i < bits; ++i) v |= (f[desde + i] ? 1u : 0u) << i;
    return v;
}
Fila Bits(unsigned v, int bits) {
    Fila f;
    for (int i = 0; i < bits; ++i) f.push_back(((v >> i) & 1u) != 0);
    return f;
}

// The segments a..g lit for a BCD digit.
Fila Digito(unsigned d) {
    static const char* const kDigitos[] = {"1111110", "0110000", "1101101", "1111001", "0110011",
                                           "1011011", "0011111", "1110000", "1111111", "1110011"};
    Fila f;
    for (const char c : std::string(kDigitos[d])) f.push_back(c == '1');
    return f;
}

// ---- 1: the basic gates

void PuertasBasicas(Montaje& m) {
    const ChipColocado y = Chip14(m, 7008, 0);
    const ChipColocado o = Chip14(m, 7032, 1);
    const ChipColocado ox = Chip14(m, 7086, 2);
    const ChipColocado no = Chip14(m, 7004, 3);
    Palanca(m, 0, y, 1);
    Palanca(m, 1, y, 2);
    m.Une(y, 1, o, 1);
    m.Une(y, 2, o, 2);
    m.Une(o, 1, ox, 1);
    m.Une(o, 2, ox, 2);
    m.Une(ox, 1, no, 1);
    Luz(m, 0, y, 3);
    Luz(m, 1, o, 3);
    Luz(m, 2, ox, 3);
    Luz(m, 3, no, 2);
}

TablaDeVerdad TablaDePuertas() {
    return Combinacional(2, Leds(4), [](const Fila& f) {
        const bool a = f[0], b = f[1];
        return Fila{a && b, a || b, a != b, !a};
    });
}

// ---- 2: De Morgan with NAND only

void DeMorgan(Montaje& m) {
    const ChipColocado n = Chip14(m, 7000, 0);
    // Gate 1: NOT A; gate 2: NOT B; gate 3: their NAND, A OR B; gate 4: A NAND B.
    Palanca(m, 0, n, 1);
    m.Une(n, 1, n, 2);
    Palanca(m, 1, n, 4);
    m.Une(n, 4, n, 5);
    m.Une(n, 3, n, 9);
    m.Une(n, 6, n, 10);
    m.Une(n, 1, n, 12);
    m.Une(n, 4, n, 13);
    Luz(m, 0, n, 8);
    Luz(m, 1, n, 11);
}

TablaDeVerdad TablaDeMorgan() {
    return Combinacional(2, Leds(2), [](const Fila& f) {
        return Fila{f[0] || f[1], !(f[0] && f[1])};
    });
}

// ---- 3: the full adder from gates

void SumadorCompleto(Montaje& m) {
    const ChipColocado ox = Chip14(m, 7086, 0);
    const ChipColocado y = Chip14(m, 7008, 1);
    const ChipColocado o = Chip14(m, 7032, 2);
    // A XOR B on gate 1, then with the carry in on gate 2.
    Palanca(m, 0, ox, 1);
    Palanca(m, 1, ox, 2);
    m.Une(ox, 3, ox, 4);
    Palanca(m, 2, ox, 5);
    // A AND B on gate 1, (A XOR B) AND Cin on gate 2, their OR the carry out.
    m.Une(ox, 1, y, 1);
    m.Une(ox, 2, y, 2);
    m.Une(ox, 4, y, 4);
    m.Une(ox, 5, y, 5);
    m.Une(y, 3, o, 1);
    m.Une(y, 6, o, 2);
    Luz(m, 0, ox, 6);
    Luz(m, 1, o, 3);
}

TablaDeVerdad TablaDelSumadorCompleto() {
    return Combinacional(3, Leds(2), [](const Fila& f) {
        const int suma = f[0] + f[1] + f[2];
        return Fila{suma % 2 == 1, suma >= 2};
    });
}

// ---- 4: the 4-bit adder 7483

void Sumador7483(Montaje& m) {
    const ChipColocado s = Chip(m, 7083, 0, 12, 5);
    m.PinAGnd(s, 13);
    constexpr int kA[] = {10, 8, 3, 1};
    constexpr int kB[] = {11, 7, 4, 16};
    constexpr int kSuma[] = {9, 6, 2, 15};
    for (int bit = 0; bit < 4; ++bit) {
        Palanca(m, bit, s, kA[bit]);
        Palanca(m, 4 + bit, s, kB[bit]);
        Luz(m, bit, s, kSuma[bit]);
    }
    Luz(m, 4, s, 14);
}

TablaDeVerdad TablaDelSumador() {
    return Combinacional(8, Leds(5),
                         [](const Fila& f) { return Bits(Valor(f, 0, 4) + Valor(f, 4, 4), 5); });
}

// ---- 5: a 2-to-4 decoder from gates

void Decodificador2a4(Montaje& m) {
    const ChipColocado no = Chip14(m, 7004, 0);
    const ChipColocado y = Chip14(m, 7008, 1);
    // NOT A on inverter 1, NOT B on inverter 2.
    Palanca(m, 0, no, 1);
    Palanca(m, 1, no, 3);
    // Y0 = /A /B, Y1 = A /B, Y2 = /A B, Y3 = A B, one AND gate each.
    m.Une(no, 2, y, 1);
    m.Une(no, 4, y, 2);
    Palanca(m, 0, y, 4);
    m.Une(no, 4, y, 5);
    m.Une(no, 2, y, 9);
    Palanca(m, 1, y, 10);
    Palanca(m, 0, y, 12);
    Palanca(m, 1, y, 13);
    Luz(m, 0, y, 3);
    Luz(m, 1, y, 6);
    Luz(m, 2, y, 8);
    Luz(m, 3, y, 11);
}

TablaDeVerdad TablaDelDecodificador2a4() {
    return Combinacional(2, Leds(4), [](const Fila& f) {
        Fila luces(4, false);
        luces[Valor(f, 0, 2)] = true;
        return luces;
    });
}

// ---- 6: the 74138 decoder

void Decodificador(Montaje& m) {
    const ChipColocado d = Chip16(m, 7138, 0);
    Palanca(m, 0, d, 1);
    Palanca(m, 1, d, 2);
    Palanca(m, 2, d, 3);
    m.PinAGnd(d, 4);
    m.PinAGnd(d, 5);
    m.PinAVcc(d, 6);
    constexpr int kY[] = {15, 14, 13, 12, 11, 10, 9, 7};
    for (int i = 0; i < 8; ++i) Luz(m, i, d, kY[i]);
}

TablaDeVerdad TablaDelDecodificador() {
    return Combinacional(3, Leds(8), [](const Fila& f) {
        Fila luces(8, true);
        luces[Valor(f, 0, 3)] = false;
        return luces;
    });
}

// ---- 7: a BCD digit on the display with the 7447

void Digito7447(Montaje& m) {
    const ChipColocado d = Chip16(m, 7047, 0);
    constexpr int kEntradas[] = {7, 1, 2, 6};  // A B C D
    for (int bit = 0; bit < 4; ++bit) Palanca(m, bit, d, kEntradas[bit]);
    m.PinAVcc(d, 3);
    m.PinAVcc(d, 5);
    constexpr int kSegmentos[] = {13, 12, 11, 10, 9, 15, 14};
    for (int s = 0; s < 7; ++s) m.CableaPuerto(T(m, kLuces), s, d, kSegmentos[s]);
}

TablaDeVerdad TablaDelDigito() {
    TablaDeVerdad t{Palancas(4), Segmentos(), {}};
    for (unsigned v = 0; v < 10; ++v) {
        Fila fila;
        for (int i = 3; i >= 0; --i) fila.push_back(((v >> i) & 1u) != 0);
        // The levers are D C B A on the board's first four; the table lists them 0..3.
        Fila ordenada{fila[3], fila[2], fila[1], fila[0]};
        const Fila segmentos = Digito(v);
        ordenada.insert(ordenada.end(), segmentos.begin(), segmentos.end());
        t.filas.push_back(ordenada);
    }
    return t;
}

// ---- 8: a function on the 74151 multiplexer

void Multiplexor(Montaje& m) {
    const ChipColocado x = Chip16(m, 7151, 0);
    Palanca(m, 0, x, 11);
    Palanca(m, 1, x, 10);
    Palanca(m, 2, x, 9);
    // The majority of three: data inputs 3, 5, 6 and 7 high, the rest low.
    constexpr int kDatos[] = {4, 3, 2, 1, 15, 14, 13, 12};
    for (int d = 0; d < 8; ++d) {
        if (d == 3 || d >= 5)
            m.PinAVcc(x, kDatos[d]);
        else
            m.PinAGnd(x, kDatos[d]);
    }
    m.PinAGnd(x, 7);
    Luz(m, 0, x, 5);
    Luz(m, 1, x, 6);
}

TablaDeVerdad TablaDelMultiplexor() {
    return Combinacional(3, Leds(2), [](const Fila& f) {
        const bool mayoria = f[0] + f[1] + f[2] >= 2;
        return Fila{mayoria, !mayoria};
    });
}

// ---- 9: the 7485 comparator

void Comparador(Montaje& m) {
    const ChipColocado c = Chip16(m, 7085, 0);
    constexpr int kA[] = {10, 12, 13, 15};
    constexpr int kB[] = {9, 11, 14, 1};
    for (int bit = 0; bit < 4; ++bit) {
        Palanca(m, bit, c, kA[bit]);
        Palanca(m, 4 + bit, c, kB[bit]);
    }
    // A single chip: the cascade inputs say "equal so far".
    m.PinAGnd(c, 2);
    m.PinAVcc(c, 3);
    m.PinAGnd(c, 4);
    Luz(m, 0, c, 5);
    Luz(m, 1, c, 6);
    Luz(m, 2, c, 7);
}

TablaDeVerdad TablaDelComparador() {
    return Combinacional(8, Leds(3), [](const Fila& f) {
        const unsigned a = Valor(f, 0, 4), b = Valor(f, 4, 4);
        return Fila{a > b, a == b, a < b};
    });
}

// A sequence: the levers of each step, then the lights after it.
struct Paso {
    Fila palancas;
    Fila luces;
};

TablaDeVerdad Secuencia(int palancas, std::vector<std::string> salidas,
                        const std::vector<Paso>& pasos) {
    TablaDeVerdad t{Palancas(palancas), std::move(salidas), {}};
    for (const Paso& p : pasos) {
        Fila fila = p.palancas;
        fila.insert(fila.end(), p.luces.begin(), p.luces.end());
        t.filas.push_back(fila);
    }
    return t;
}

// ---- 10: the SR latch from NAND gates

void BiestableSR(Montaje& m) {
    const ChipColocado n = Chip14(m, 7000, 0);
    Palanca(m, 0, n, 1);
    Palanca(m, 1, n, 5);
    m.Une(n, 3, n, 4);
    m.Une(n, 6, n, 2);
    Luz(m, 0, n, 3);
    Luz(m, 1, n, 6);
}

TablaDeVerdad TablaDelBiestableSR() {
    return Secuencia(2, Leds(2),
                     {{{0, 1}, {1, 0}},
                      {{1, 1}, {1, 0}},
                      {{1, 0}, {0, 1}},
                      {{1, 1}, {0, 1}},
                      {{0, 1}, {1, 0}},
                      {{1, 1}, {1, 0}},
                      {{0, 0}, {1, 1}}});
}

// ---- 11: a 7474 that toggles

void Basculante(Montaje& m) {
    const ChipColocado d = Chip14(m, 7074, 0);
    Palanca(m, 0, d, 1);
    Palanca(m, 1, d, 3);
    m.Une(d, 6, d, 2);
    m.PinAVcc(d, 4);
    Luz(m, 0, d, 5);
}

TablaDeVerdad TablaBasculante() {
    return Secuencia(2, Leds(1),
                     {{{0, 0}, {0}},
                      {{1, 0}, {0}},
                      {{1, 1}, {1}},
                      {{1, 0}, {1}},
                      {{1, 1}, {0}},
                      {{1, 0}, {0}},
                      {{1, 1}, {1}},
                      {{0, 1}, {0}},
                      {{1, 1}, {0}},
                      {{1, 0}, {0}},
                      {{1, 1}, {1}}});
}

// ---- 12: the 7490 counting 0-9 on the display

void Contador7490(Montaje& m) {
    const ChipColocado c = Chip(m, 7090, 0, 10, 5);
    const ChipColocado d = Chip16(m, 7047, 1);
    Palanca(m, 0, c, 2);
    m.PinAVcc(c, 3);
    m.PinAGnd(c, 6);
    m.PinAGnd(c, 7);
    Palanca(m, 1, c, 14);
    m.Une(c, 12, c, 1);
    // QA QB QC QD into A B C D.
    m.Une(c, 12, d, 7);
    m.Une(c, 9, d, 1);
    m.Une(c, 8, d, 2);
    m.Une(c, 11, d, 6);
    m.PinAVcc(d, 3);
    m.PinAVcc(d, 5);
    constexpr int kSegmentos[] = {13, 12, 11, 10, 9, 15, 14};
    for (int s = 0; s < 7; ++s) Luz(m, s, d, kSegmentos[s]);
}

TablaDeVerdad TablaDelContador7490() {
    std::vector<Paso> pasos{{{1, 0}, Digito(0)}};
    unsigned cuenta = 0;
    // Ten falling edges come back to 0, three more reach 3, then the reset.
    for (int pulso = 0; pulso < 13; ++pulso) {
        pasos.push_back({{0, 1}, Digito(cuenta)});
        cuenta = (cuenta + 1) % 10;
        pasos.push_back({{0, 0}, Digito(cuenta)});
    }
    pasos.push_back({{1, 0}, Digito(0)});
    return Secuencia(2, Segmentos(), pasos);
}

// ---- 13: the 74194 ring counter

void Anillo74194(Montaje& m) {
    const ChipColocado r = Chip16(m, 7194, 0);
    Palanca(m, 0, r, 1);
    Palanca(m, 1, r, 11);
    Palanca(m, 2, r, 10);
    m.PinAVcc(r, 9);
    // Loads 1000; shifting right, QD comes back into the serial input.
    m.PinAVcc(r, 3);
    m.PinAGnd(r, 4);
    m.PinAGnd(r, 5);
    m.PinAGnd(r, 6);
    m.PinAGnd(r, 7);
    m.Une(r, 12, r, 2);
    constexpr int kQ[] = {15, 14, 13, 12};
    for (int i = 0; i < 4; ++i) Luz(m, i, r, kQ[i]);
}

Fila Uno(int i) {
    Fila f(4, false);
    if (i >= 0) f[static_cast<std::size_t>(i)] = true;
    return f;
}

TablaDeVerdad TablaDelAnillo() {
    std::vector<Paso> pasos{{{0, 0, 0}, Uno(-1)},
                            {{1, 0, 1}, Uno(-1)},
                            {{1, 1, 1}, Uno(0)},
                            {{1, 0, 1}, Uno(0)},
                            {{1, 0, 0}, Uno(0)}};
    for (int paso = 1; paso <= 5; ++paso) {
        pasos.push_back({{1, 1, 0}, Uno(paso % 4)});
        pasos.push_back({{1, 0, 0}, Uno(paso % 4)});
    }
    pasos.push_back({{0, 0, 0}, Uno(-1)});
    return Secuencia(3, Leds(4), pasos);
}

// ---- 14: a modulo-6 counter with the 74161

void Modulo6(Montaje& m) {
    const ChipColocado c = Chip16(m, 7161, 0);
    const ChipColocado n = Chip14(m, 7000, 1);
    Palanca(m, 0, c, 9);
    Palanca(m, 1, c, 2);
    for (int pin = 3; pin <= 6; ++pin) m.PinAGnd(c, pin);
    m.PinAVcc(c, 7);
    m.PinAVcc(c, 10);
    // At 6 (QB and QC high) the NAND clears the count at once.
    m.Une(c, 13, n, 1);
    m.Une(c, 12, n, 2);
    m.Une(n, 3, c, 1);
    constexpr int kQ[] = {14, 13, 12, 11};
    for (int i = 0; i < 4; ++i) Luz(m, i, c, kQ[i]);
}

TablaDeVerdad TablaDelModulo6() {
    std::vector<Paso> pasos{
        {{0, 0}, Bits(0, 4)}, {{0, 1}, Bits(0, 4)}, {{0, 0}, Bits(0, 4)}, {{1, 0}, Bits(0, 4)}};
    unsigned cuenta = 0;
    for (int pulso = 0; pulso < 8; ++pulso) {
        cuenta = (cuenta + 1) % 6;
        pasos.push_back({{1, 1}, Bits(cuenta, 4)});
        pasos.push_back({{1, 0}, Bits(cuenta, 4)});
    }
    // A load of 0 in the middle of the count, on the next rising edge.
    pasos.push_back({{0, 0}, Bits(cuenta, 4)});
    pasos.push_back({{0, 1}, Bits(0, 4)});
    pasos.push_back({{1, 1}, Bits(0, 4)});
    pasos.push_back({{1, 0}, Bits(0, 4)});
    pasos.push_back({{1, 1}, Bits(1, 4)});
    return Secuencia(2, Leds(4), pasos);
}

}  // namespace

const std::vector<PracticaDelCurso>& PracticasDelCurso() {
    static const std::vector<PracticaDelCurso> practicas{
        {"01-puertas-basicas", ConLeds, PuertasBasicas, TablaDePuertas, {1, 3}},
        {"02-de-morgan-con-nand", ConLeds, DeMorgan, TablaDeMorgan, {1, 8}},
        {"03-sumador-completo", ConLeds, SumadorCompleto, TablaDelSumadorCompleto, {1, 6}},
        {"04-sumador-7483", ConLeds, Sumador7483, TablaDelSumador, {1, 9}},
        {"05-decodificador-2-a-4", ConLeds, Decodificador2a4, TablaDelDecodificador2a4, {2, 3}},
        {"06-decodificador-74138", ConLeds, Decodificador, TablaDelDecodificador, {1, 15}},
        {"07-display-7447", ConDisplay, Digito7447, TablaDelDigito, {1, 13}},
        {"08-multiplexor-74151", ConLeds, Multiplexor, TablaDelMultiplexor, {1, 5}},
        {"09-comparador-7485", ConLeds, Comparador, TablaDelComparador, {1, 6}},
        {"10-biestable-sr", ConLeds, BiestableSR, TablaDelBiestableSR, {1, 3}, true},
        {"11-basculante-7474", ConLeds, Basculante, TablaBasculante, {1, 5}},
        {"12-contador-7490", ConDisplay, Contador7490, TablaDelContador7490, {1, 12}},
        {"13-anillo-74194", ConLeds, Anillo74194, TablaDelAnillo, {1, 15}},
        {"14-modulo-6-74161", ConLeds, Modulo6, TablaDelModulo6, {1, 14}},
    };
    return practicas;
}

std::string TextoDeInicio(const PracticaDelCurso& practica) {
    Montaje m;
    practica.banco(m);
    return m.Texto();
}

std::string TextoDeSolucion(const PracticaDelCurso& practica) {
    Montaje m;
    practica.banco(m);
    practica.solucion(m);
    return m.Texto();
}

std::string TextoDeTabla(const PracticaDelCurso& practica) {
    std::ostringstream csv;
    consola::EscribeTabla(csv, practica.tabla(), consola::Formato::Csv);
    return csv.str();
}

}  // namespace velistra::ejemplos
