#include "bench/Generador.h"

#include <utility>
#include <vector>

#include "tableros/Protoboard.h"
#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeLuces.h"
#include "tableros/TableroDeTiras.h"
#include "tableros/TableroPLA.h"
#include "simulacion/Mesa.h"
#include "support/Montador.h"

namespace velistra::banco {

using namespace prueba;

namespace {

// A lamp of the LED board and the chip pin it shows; chip -1 is the chain's last chip.
struct LamparaDeChip {
    int chip;
    int pin;
    int lampara;
};

// Everything that tells one family's circuit from another's.
struct Receta {
    Familia familia = Familia::Inversores;
    const char* nombre = "";
    long codigo = 0;
    int pines = 0;
    int vcc = 0;
    int gnd = 0;
    std::vector<int> aTierra = {};                   // inputs tied low
    std::vector<std::pair<int, int>> internas = {};  // output pin to input pin, in one chip
    int entrada = 0;                                 // fed by the previous chip's `salida`
    int salida = 0;
    int reloj = 0;  // the common clock pin, 0 for none
    std::vector<LamparaDeChip> lamparas = {};
};

const std::vector<Receta>& Recetas() {
    static const std::vector<Receta> recetas{
        {.familia = Familia::Inversores,
         .nombre = "inversores",
         .codigo = 7004,
         .pines = 14,
         .vcc = 14,
         .gnd = 7,
         .internas = {{2, 3}, {4, 5}, {6, 9}, {8, 11}, {10, 13}},
         .entrada = 1,
         .salida = 12,
         .lamparas = {{-1, 12, kLamparaDelFinal}}},
        // A = 1111 (open inputs read high) and B = 0000: the carry out follows the carry in.
        {.familia = Familia::Sumadores,
         .nombre = "sumadores",
         .codigo = 7083,
         .pines = 16,
         .vcc = 5,
         .gnd = 12,
         .aTierra = {11, 7, 4, 16},
         .entrada = 13,
         .salida = 14,
         .lamparas = {{-1, 9, 0}, {-1, 6, 1}, {-1, 2, 2}, {-1, 15, 3}, {-1, 14, kLamparaDelFinal}}},
        // Open /CLR, /LOAD and ENP read high: each counter counts while ENT is high.
        {.familia = Familia::Contadores,
         .nombre = "contadores",
         .codigo = 7163,
         .pines = 16,
         .vcc = 16,
         .gnd = 8,
         .entrada = 10,
         .salida = 15,
         .reloj = 2,
         .lamparas = {{0, 14, 0},
                      {0, 13, 1},
                      {0, 12, 2},
                      {0, 11, 3},
                      {1, 14, kLamparaDelSegundoContador},
                      {-1, 15, kLamparaDelFinal}}},
        {.familia = Familia::SumadorNand, .nombre = "sumador-nand", .codigo = 7000, .pines = 14,
         .vcc = 14, .gnd = 7},
        {.familia = Familia::ContadorRizado, .nombre = "contador-rizado", .codigo = 7112,
         .pines = 16, .vcc = 16, .gnd = 8},
        {.familia = Familia::Paridad, .nombre = "paridad", .codigo = 7086, .pines = 14, .vcc = 14,
         .gnd = 7},
    };
    return recetas;
}

const Receta& RecetaDe(Familia familia) {
    for (const Receta& r : Recetas()) {
        if (r.familia == familia) return r;
    }
    return Recetas().front();
}

// Two columns of five breadboards on the left, the instruments in the strip on the right.
Punto EsquinaDeProtoboard(int i) { return {10 + 885 * (i / 5), 10 + 290 * (i % 5)}; }
constexpr Punto kEsquinaDeLaFuente{1785, 10};
constexpr Punto kEsquinaDeLasPalancas{1785, 150};
constexpr Punto kEsquinaDelReloj{1785, 245};
constexpr Punto kEsquinaDeLosLeds{1785, 340};
constexpr Punto kEsquinaDeLosPulsadores{1785, 410};
// Below the last breadboard; its common terminal falls in that breadboard's blank margin.
constexpr Punto kEsquinaDeLosDisplays{1545, 1365};

// Bus rows: VCC and GND above, GND and VCC below, so each area has both next to it.
constexpr int kVccArriba = 0;
constexpr int kGndArriba = 1;
constexpr int kGndAbajo = 2;
constexpr int kVccAbajo = 3;

constexpr Color kRojo = Rgb(220, 0, 0);
constexpr Color kNegro = Rgb(0, 0, 0);
constexpr Color kAzul = Rgb(0, 0, 255);
constexpr Color kVerde = Rgb(0, 150, 0);
constexpr Color kAmarillo = Rgb(230, 190, 0);
constexpr Color kNaranja = Rgb(255, 128, 0);

class Obra {
public:
    Obra(Mesa& mesa, const Pedido& pedido)
        : mesa(mesa), pedido(pedido), receta(RecetaDe(pedido.familia)), m(mesa) {}

    void Construye() {
        mesa.LimpiaMesa();
        mesa.InicializaMesa();
        ColocaTableros();
        EnchufaChips();
        AlimentaProtoboards();
        AlimentaInstrumentos();
        if (pedido.familia == Familia::SumadorNand) {
            CableaSumador();
        } else if (pedido.familia == Familia::ContadorRizado) {
            CableaContadorRizado();
        } else if (pedido.familia == Familia::Paridad) {
            CableaParidad();
        } else {
            CableaChips();
            CableaLamparas();
        }
        if (pedido.tirasPorSalida > 0) ExtiendeSalidas();
        if (pedido.todosLosTableros) CompletaTableros();
    }

private:
    void ColocaTableros() {
        fuente = mesa.fuentedc();
        Montador::Mueve(*fuente, kEsquinaDeLaFuente);
        for (int i = 0; i < pedido.protoboards; ++i)
            protoboards.push_back(&m.Coloca(Tablero::kProtoboard, EsquinaDeProtoboard(i)));
        palancas = &m.Coloca(Tablero::kInterruptores, kEsquinaDeLasPalancas);
        if (ConReloj()) Montador::Mueve(m.MuestraTemporizador(), kEsquinaDelReloj);
        leds = &m.Coloca(Tablero::kLeds, kEsquinaDeLosLeds);
        if (pedido.familia == Familia::Paridad) segundasPalancas = &m.Coloca(Tablero::kInterruptores, kEsquinaDelReloj);
    }

    void EnchufaChips() {
        const int paso = receta.pines / 2;
        for (Tablero* p : protoboards) {
            for (int c = 0; c < ChipsPorProtoboard(pedido.familia); ++c)
                chips.push_back(m.Enchufa(receta.codigo, *p, c * paso));
        }
    }

    // The supply feeds the first breadboard's upper rows; each breadboard ties its upper
    // rows to its lower ones and passes them on to the next.
    void AlimentaProtoboards() {
        for (std::size_t i = 0; i < protoboards.size(); ++i) {
            Tablero& p = *protoboards[i];
            const int derecha = p.EsquinaX() + p.Anchura();
            const int izquierda = p.EsquinaX();
            Cablea(p, kVccArriba, derecha, p, kVccAbajo, derecha, kRojo);
            Cablea(p, kGndArriba, izquierda, p, kGndAbajo, izquierda, kNegro);
            if (i == 0) {
                m.Cablea(m.Terminal(*fuente, TableroDeFuenteDC::kPrimerVcc),
                         m.Bus(p, kVccArriba, derecha), kRojo);
                m.Cablea(m.Terminal(*fuente, TableroDeFuenteDC::kPrimerGnd),
                         m.Bus(p, kGndArriba, derecha), kNegro);
            } else {
                Tablero& anterior = *protoboards[i - 1];
                Cablea(anterior, kVccArriba, derecha, p, kVccArriba, derecha, kRojo);
                Cablea(anterior, kGndArriba, izquierda, p, kGndArriba, izquierda, kNegro);
            }
        }
    }

    // Supply terminals 1, 2 and 3 feed the switches, the timer and the lamps' ground.
    void AlimentaInstrumentos() {
        AlimentaTiras(*palancas, 1);
        if (ConReloj()) AlimentaTiras(*mesa.reloj(), 2);
        if (segundasPalancas != nullptr) AlimentaTiras(*segundasPalancas, 2);
        m.Cablea(m.Terminal(*fuente, TableroDeFuenteDC::kPrimerGnd + 3),
                 m.Terminal(*leds, Luces(*leds).PuertoComun()), kNegro);
    }

    void AlimentaTiras(Tablero& t, int terminal) {
        const auto& tiras = dynamic_cast<TableroDeTiras&>(t);
        m.Cablea(m.Terminal(*fuente, TableroDeFuenteDC::kPrimerVcc + terminal),
                 m.Terminal(t, tiras.PuertoVcc()), kRojo);
        m.Cablea(m.Terminal(*fuente, TableroDeFuenteDC::kPrimerGnd + terminal),
                 m.Terminal(t, tiras.PuertoGnd()), kNegro);
    }

    void CableaChips() {
        for (std::size_t i = 0; i < chips.size(); ++i) {
            const ChipColocado& chip = chips[i];
            AlBus(chip, receta.vcc, true);
            AlBus(chip, receta.gnd, false);
            for (int pin : receta.aTierra) AlBus(chip, pin, false);
            for (const auto& [desde, hasta] : receta.internas)
                EntrePines(chip, desde, chip, hasta, kAzul);
            if (i == 0) {
                m.Cablea(m.Terminal(*palancas, 0), m.Pin(chip, receta.entrada), kVerde);
                if (receta.reloj != 0)
                    m.Cablea(m.Terminal(*mesa.reloj(), 0), m.Pin(chip, receta.reloj), kAmarillo);
            } else {
                EntrePines(chips[i - 1], receta.salida, chip, receta.entrada, kVerde);
                if (receta.reloj != 0)
                    EntrePines(chips[i - 1], receta.reloj, chip, receta.reloj, kAmarillo);
            }
        }
    }

    // Gate g is NAND g % 4 of chip g / 4; a signal is a gate's output, a lever or ground.
    struct Nand {
        int a, b, y;
    };
    static constexpr Nand kNands[] = {{1, 2, 3}, {4, 5, 6}, {9, 10, 8}, {12, 13, 11}};
    static constexpr int kTierra = -100;
    static constexpr int Palanca(int i) { return -1 - i; }

    void Entrada(int senal, int puerta, bool segunda) {
        const ChipColocado& chip = chips[static_cast<std::size_t>(puerta / 4)];
        const Nand& nand = kNands[puerta % 4];
        const int pin = segunda ? nand.b : nand.a;
        if (senal == kTierra) return AlBus(chip, pin, false);
        if (senal < 0) return m.Cablea(TerminalLibre(*palancas, -1 - senal), m.Pin(chip, pin), kVerde);
        EntrePines(chips[static_cast<std::size_t>(senal / 4)], kNands[senal % 4].y, chip, pin, kAzul);
    }

    void Puerta(int puerta, int a, int b) {
        Entrada(a, puerta, false);
        Entrada(b, puerta, true);
    }

    // Nine NANDs per full adder: n3 is A xor B, n7 the sum, n8 the carry out.
    void CableaSumador() {
        for (const ChipColocado& chip : chips) {
            AlBus(chip, receta.vcc, true);
            AlBus(chip, receta.gnd, false);
        }
        int acarreo = kTierra;
        for (int bit = 0; bit < kBitsDelSumador; ++bit) {
            const int n = 9 * bit;
            const int a = Palanca(bit), b = Palanca(kBitsDelSumador + bit);
            Puerta(n, a, b);
            Puerta(n + 1, a, n);
            Puerta(n + 2, b, n);
            Puerta(n + 3, n + 1, n + 2);
            Puerta(n + 4, n + 3, acarreo);
            Puerta(n + 5, n + 3, n + 4);
            Puerta(n + 6, acarreo, n + 4);
            Puerta(n + 7, n + 5, n + 6);
            Puerta(n + 8, n + 4, n);
            acarreo = n + 8;
            m.Cablea(m.Pin(chips[static_cast<std::size_t>((n + 7) / 4)], kNands[(n + 7) % 4].y),
                     m.Terminal(*leds, bit), kNaranja);
        }
        m.Cablea(m.Pin(chips[static_cast<std::size_t>(acarreo / 4)], kNands[acarreo % 4].y),
                 m.Terminal(*leds, kLamparaDelFinal), kNaranja);
    }

    // Each Q clocks the next flip-flop (J, K, preset and clear open, so each toggles on the
    // falling edge of its clock): flip-flop 1 of each chip, then flip-flop 2.
    void CableaContadorRizado() {
        constexpr int kReloj1 = 1, kQ1 = 5, kQ2 = 9, kReloj2 = 13;
        for (std::size_t i = 0; i < chips.size(); ++i) {
            const ChipColocado& chip = chips[i];
            AlBus(chip, receta.vcc, true);
            AlBus(chip, receta.gnd, false);
            if (i == 0)
                m.Cablea(TerminalLibre(*palancas, kPalanca), m.Pin(chip, kReloj1), kVerde);
            else
                EntrePines(chips[i - 1], kQ2, chip, kReloj1, kAmarillo);
            EntrePines(chip, kQ1, chip, kReloj2, kAmarillo);
        }
        const int lamparas[][3] = {{0, kQ1, 0}, {0, kQ2, 1}, {1, kQ1, 2}, {1, kQ2, 3}, {7, kQ2, kLamparaDelFinal}};
        for (const auto& [chip, pin, lampara] : lamparas)
            m.Cablea(m.Pin(chips[static_cast<std::size_t>(chip)], pin), m.Terminal(*leds, lampara), kNaranja);
    }

    // Gates 0-7 take two levers each, 8-11 two gates of the first row each, 12 and 13 two
    // of the second, 14 the last two; gate g is XOR g % 4 of chip g / 4, pins as the NANDs'.
    void CableaParidad() {
        for (const ChipColocado& chip : chips) {
            AlBus(chip, receta.vcc, true);
            AlBus(chip, receta.gnd, false);
        }
        const auto salida = [&](int puerta) { return m.Pin(chips[static_cast<std::size_t>(puerta / 4)], kNands[puerta % 4].y); };
        const auto entrada = [&](int puerta, bool segunda) {
            const Nand& xor_ = kNands[puerta % 4];
            return m.Pin(chips[static_cast<std::size_t>(puerta / 4)], segunda ? xor_.b : xor_.a);
        };
        for (int palanca = 0; palanca < kPalancasDeParidad; ++palanca) {
            Tablero& t = palanca < 8 ? *palancas : *segundasPalancas;
            m.Cablea(TerminalLibre(t, palanca % 8), entrada(palanca / 2, palanca % 2 == 1), kVerde);
        }
        for (int puerta = 8, desde = 0; puerta < 15; ++puerta, desde += 2) {
            m.Cablea(salida(desde), entrada(puerta, false), kAzul);
            m.Cablea(salida(desde + 1), entrada(puerta, true), kAzul);
        }
        m.Cablea(salida(14), m.Terminal(*leds, kLamparaDelFinal), kNaranja);
    }

    Extremo TerminalLibre(Tablero& t, int tira) {
        constexpr int kTerminales = TableroDeTiras::kTerminalesPorTira;
        for (int i = kTerminales * tira; i < kTerminales * (tira + 1); ++i) {
            if (t.DireccionDePuerto(i)->EstaLibre()) return m.Terminal(t, i);
        }
        throw MontajeRechazado("la tira " + std::to_string(tira) + " ya tiene tres cables");
    }

    void CableaLamparas() {
        for (const LamparaDeChip& l : receta.lamparas) {
            const ChipColocado& chip =
                l.chip < 0 ? chips.back() : chips[static_cast<std::size_t>(l.chip)];
            m.Cablea(m.Pin(chip, l.pin), m.Terminal(*leds, l.lampara), kNaranja);
        }
    }

    void ExtiendeSalidas() {
        std::vector<Tablero*> extra;
        int tira = 0;
        // Strips of the extra breadboards in turn: upper columns, then lower ones.
        const auto siguienteTira = [&]() -> Puerto& {
            const int porProtoboard = 2 * Protoboard::kColumnas;
            if (tira % porProtoboard == 0) {
                const int i = pedido.protoboards + static_cast<int>(extra.size());
                if (i >= kMaximoDeProtoboards) throw MontajeRechazado("no caben más protoboards");
                extra.push_back(&m.Coloca(Tablero::kProtoboard, EsquinaDeProtoboard(i)));
            }
            const int k = tira++ % porProtoboard;
            const int primero = k < Protoboard::kColumnas
                                    ? HoyoSuperior(k, 0)
                                    : HoyoInferior(k - Protoboard::kColumnas, 0);
            return *extra.back()->DireccionDePuerto(primero);
        };
        for (std::size_t i = 0; i < chips.size(); ++i) {
            const char* tipos = mesa.componentes()[i].TiposDePines();
            for (int pin = 1; pin <= receta.pines; ++pin) {
                if (tipos[pin] != 'S') continue;
                Tablero* anterior = chips[i].protoboard;
                Puerto* salida = &m.Pin(chips[i], pin).puerto;
                for (int n = 0; n < pedido.tirasPorSalida; ++n) {
                    Puerto& entrada = siguienteTira();
                    m.Cablea({*anterior, *salida}, {*extra.back(), entrada}, kAzul);
                    anterior = extra.back();
                    salida = &entrada + 1;
                }
            }
        }
    }

    // Push-buttons, seven-segment displays with every segment lit and a PLA with links.
    void CompletaTableros() {
        Tablero& ultimo = *protoboards.back();
        Tablero& pulsadores = m.Coloca(Tablero::kPulsadores, kEsquinaDeLosPulsadores);
        const auto& tiras = dynamic_cast<TableroDeTiras&>(pulsadores);
        DeBus(ultimo, kVccArriba, pulsadores, tiras.PuertoVcc(), kRojo);
        DeBus(ultimo, kGndArriba, pulsadores, tiras.PuertoGnd(), kNegro);

        Tablero& displays = m.Coloca(Tablero::kSieteSegmentos, kEsquinaDeLosDisplays);
        const TableroDeLuces& luces = Luces(displays);
        DeBus(ultimo, kVccAbajo, displays, luces.PuertoComun(), kRojo);
        // Common anode: a segment lights while its input is low.
        for (int s = 0; s < luces.PuertoComun(); ++s) DeBus(ultimo, kGndAbajo, displays, s, kAzul);

        Tablero* pla = mesa.AgregaTablero(Tablero::kPLA);
        if (pla == nullptr) throw MontajeRechazado("la mesa no agrega el PLA");
        for (int i = 0; i < TableroPLA::kColumnas; ++i) {
            for (int j = 0; j < TableroPLA::kTerminos; ++j) {
                if ((i + j) % 3 != 0) continue;
                const Punto cruce = TableroPLA::Cruce(i, j);
                pla->ClickIzquierdo(nullptr, pla->EsquinaX() + cruce.x, pla->EsquinaY() + cruce.y,
                                    0, 0);
            }
        }
    }

    bool ConReloj() const { return receta.reloj != 0 || pedido.todosLosTableros; }

    static const TableroDeLuces& Luces(Tablero& t) { return dynamic_cast<TableroDeLuces&>(t); }

    // Bus row `filaA` of a to bus row `filaB` of b, through the free holes nearest to x.
    void Cablea(Tablero& a, int filaA, int xA, Tablero& b, int filaB, int xB, Color color) {
        const Extremo hoyoA = m.Bus(a, filaA, xA);
        m.Cablea(hoyoA, m.Bus(b, filaB, xB), color);
    }

    // A chip pin to the supply (or ground) row of the bus on its own side.
    void AlBus(const ChipColocado& chip, int pin, bool vcc) {
        const PosicionDePin p = PosicionDe(receta.pines, chip.columna, pin);
        const int fila =
            p.superior ? (vcc ? kVccArriba : kGndArriba) : (vcc ? kVccAbajo : kGndAbajo);
        const Extremo hoyo = m.Pin(chip, pin);
        m.Cablea(hoyo, m.Bus(*chip.protoboard, fila, m.Centro(hoyo).x), vcc ? kRojo : kNegro);
    }

    void EntrePines(const ChipColocado& a, int pinA, const ChipColocado& b, int pinB,
                    Color color) {
        const Extremo hoyoA = m.Pin(a, pinA);
        m.Cablea(hoyoA, m.Pin(b, pinB), color);
    }

    void DeBus(Tablero& protoboard, int fila, Tablero& t, int puerto, Color color) {
        const Extremo terminal = m.Terminal(t, puerto);
        m.Cablea(terminal, m.Bus(protoboard, fila, m.Centro(terminal).x), color);
    }

    Mesa& mesa;
    const Pedido& pedido;
    const Receta& receta;
    Montador m;
    Tablero* fuente = nullptr;
    Tablero* palancas = nullptr;
    Tablero* leds = nullptr;
    Tablero* segundasPalancas = nullptr;
    std::vector<Tablero*> protoboards;
    std::vector<ChipColocado> chips;
};

}  // namespace

void GeneraCircuito(Mesa& mesa, const Pedido& pedido) {
    if (pedido.protoboards < 1 || pedido.protoboards > kMaximoDeProtoboards)
        throw MontajeRechazado("caben de 1 a " + std::to_string(kMaximoDeProtoboards) +
                               " protoboards");
    if ((pedido.familia == Familia::SumadorNand || pedido.familia == Familia::ContadorRizado ||
         pedido.familia == Familia::Paridad) &&
        pedido.protoboards != 1)
        throw MontajeRechazado(std::string(NombreDeFamilia(pedido.familia)) + " ocupa una protoboard");
    Obra(mesa, pedido).Construye();
}

int ChipsPorProtoboard(Familia familia) {
    return Protoboard::kColumnas / (RecetaDe(familia).pines / 2);
}

long CodigoDeChip(Familia familia) { return RecetaDe(familia).codigo; }

const char* NombreDeFamilia(Familia familia) { return RecetaDe(familia).nombre; }

std::optional<Familia> FamiliaDeNombre(std::string_view nombre) {
    for (const Receta& r : Recetas()) {
        if (nombre == r.nombre) return r.familia;
    }
    return std::nullopt;
}

std::string NombreDeCircuito(const Pedido& pedido) {
    std::string nombre =
        std::string(NombreDeFamilia(pedido.familia)) + "-" + std::to_string(pedido.protoboards);
    if (pedido.tirasPorSalida > 0) nombre += "-abanico-" + std::to_string(pedido.tirasPorSalida);
    if (pedido.todosLosTableros) nombre += "-completo";
    return nombre;
}

}  // namespace velistra::banco
