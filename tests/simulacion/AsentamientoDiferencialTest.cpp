// The settling loops that evaluate and drive only what changed (through the ports, and on
// the compiled circuit) must answer exactly what the plain loop (every chip, every
// iteration) answers. Random workbenches built from the program's own parts, every chip
// type of the catalogue among them, run side by side on the three loops through random
// levers, keys, ticks and supply switching.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeLuces.h"
#include "tableros/TableroDePalancas.h"
#include "tableros/TableroDeTiras.h"
#include "chips/Biestables.h"
#include "chips/Catalogo.h"
#include "chips/CircuitoElectronico.h"
#include "chips/EsquemaDePuertas.h"
#include "chips/Puertas.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "simulacion/Mesa.h"
#include "simulacion/PuertasCompiladas.h"
#include "support/LienzoDePrueba.h"
#include "support/Montador.h"

namespace velistra {
namespace {

using prueba::AvisosDePrueba;
using prueba::ChipColocado;
using prueba::Extremo;
using prueba::Montador;
using prueba::MontajeRechazado;

constexpr int kMesas = 10;
constexpr int kProtoboards = 3;
constexpr int kPasos = 24;
constexpr Color kAzul = Rgb(0, 0, 255);

Punto EsquinaDeProtoboard(int i) { return {10, 10 + 290 * i}; }
constexpr int kVccArriba = 0, kGndArriba = 1, kGndAbajo = 2, kVccAbajo = 3;

struct Banco {
    AvisosDePrueba avisos;
    Mesa mesa{avisos};
};

// Builds one random workbench. Every step draws from `azar` in the same order whatever the
// workbench answers, so two workbenches built from one seed are the same.
class Obra {
public:
    Obra(Mesa& mesa, unsigned semilla) : mesa(mesa), m(mesa), azar(semilla) {}

    // Seats as many of `codigos` (from `primero` on, round the list) as fit; answers them.
    std::vector<long> Construye(const std::vector<long>& codigos, std::size_t primero,
                                bool entradasALasPalancas = false) {
        return Construye(codigos, primero, entradasALasPalancas, false);
    }
    // With `relojesPrimero`, a flip-flop's clocks go to the levers and keys before its
    // other inputs.
    std::vector<long> Construye(const std::vector<long>& codigos, std::size_t primero, bool entradasALasPalancas,
                                bool relojesPrimero) {
        mesa.InicializaMesa();
        Montador::Mueve(*mesa.fuentedc(), {1785, 10});
        for (int i = 0; i < kProtoboards; ++i)
            protoboards.push_back(&m.Coloca(Tablero::kProtoboard, EsquinaDeProtoboard(i)));
        palancas = &m.Coloca(Tablero::kInterruptores, {1785, 150});
        Montador::Mueve(m.MuestraTemporizador(), {1785, 245});
        leds = &m.Coloca(Tablero::kLeds, {1785, 340});
        pulsadores = &m.Coloca(Tablero::kPulsadores, {1785, 410});
        Alimenta();

        std::vector<long> sentados;
        std::size_t k = primero;
        for (Tablero* p : protoboards) {
            int columna = static_cast<int>(azar() % 2);
            for (;;) {
                const long codigo = codigos[k % codigos.size()];
                const int ancho = FichaDeCatalogo(static_cast<int>(codigo))->pines / 2;
                if (columna + ancho > 64) break;
                chips.push_back(m.Enchufa(codigo, *p, columna));
                sentados.push_back(codigo);
                columna += ancho + static_cast<int>(azar() % 2);
                ++k;
            }
        }
        for (std::size_t c = 0; c < chips.size(); ++c) AlimentaChip(c);
        if (entradasALasPalancas) EntradasALasPalancas(relojesPrimero);
        const int cables = 30 + static_cast<int>(azar() % 40);
        for (int i = 0; i < cables; ++i) CableAlAzar();
        for (int i = 0; i < 2; ++i) Lazo();
        return sentados;
    }

    // Wires between driven strips, drawn but not joined: a file holding them joins them,
    // since wires are joined before any chip is seated. Levers, keys and clocks then share
    // nets; a chip output on such a net is refused its seat and stays loose.
    void DosExcitadores() {
        for (int k = 0; k < 4; ++k) {
            for (int intento = 0; intento < 50; ++intento) {
                try {
                    const Extremo a = Tira(*palancas, 8);
                    const Extremo b = k == 0 ? Salida() : k == 1 ? Tira(*mesa.reloj(), 4)
                                    : k == 2 ? Tira(*pulsadores, 8) : Tira(*palancas, 8);
                    if (a.puerto.Nodo() == b.puerto.Nodo()) continue;
                    mesa.cables().Agrega(m.Traza(a, b, kAzul));
                    break;
                } catch (const MontajeRechazado&) {
                }
            }
        }
    }

private:
    void Alimenta() {
        for (std::size_t i = 0; i < protoboards.size(); ++i) {
            Tablero& p = *protoboards[i];
            const int derecha = p.EsquinaX() + p.Anchura();
            m.Cablea(m.Bus(p, kVccArriba, derecha), m.Bus(p, kVccAbajo, derecha), kAzul);
            m.Cablea(m.Bus(p, kGndArriba, 0), m.Bus(p, kGndAbajo, 0), kAzul);
            if (i == 0) {
                m.Cablea(m.Terminal(*mesa.fuentedc(), TableroDeFuenteDC::kPrimerVcc), m.Bus(p, kVccArriba, derecha), kAzul);
                m.Cablea(m.Terminal(*mesa.fuentedc(), TableroDeFuenteDC::kPrimerGnd), m.Bus(p, kGndArriba, derecha), kAzul);
            } else {
                Tablero& anterior = *protoboards[i - 1];
                m.Cablea(m.Bus(anterior, kVccArriba, derecha), m.Bus(p, kVccArriba, derecha), kAzul);
                m.Cablea(m.Bus(anterior, kGndArriba, 0), m.Bus(p, kGndArriba, 0), kAzul);
            }
        }
        int terminal = 1;
        for (Tablero* t : {palancas, mesa.reloj(), pulsadores}) {
            const auto& tiras = dynamic_cast<TableroDeTiras&>(*t);
            const int vcc = terminal < 4 ? terminal : 3;
            m.Cablea(m.Terminal(*mesa.fuentedc(), TableroDeFuenteDC::kPrimerVcc + vcc), m.Terminal(*t, tiras.PuertoVcc()), kAzul);
            if (terminal < 3)
                m.Cablea(m.Terminal(*mesa.fuentedc(), TableroDeFuenteDC::kPrimerGnd + terminal), m.Terminal(*t, tiras.PuertoGnd()), kAzul);
            else
                m.Cablea(m.Bus(*protoboards[0], kGndArriba, 1700), m.Terminal(*t, tiras.PuertoGnd()), kAzul);
            ++terminal;
        }
        m.Cablea(m.Terminal(*mesa.fuentedc(), TableroDeFuenteDC::kPrimerGnd + 3),
                 m.Terminal(*leds, dynamic_cast<TableroDeLuces&>(*leds).PuertoComun()), kAzul);
    }

    // Supply and ground pins to the bus on their side; now and then one is left off.
    void AlimentaChip(std::size_t c) {
        const ChipColocado& chip = chips[c];
        const char* tipos = mesa.componentes()[c].TiposDePines();
        for (int pin = 1; pin <= chip.pines; ++pin) {
            if (tipos[pin] != 'V' && tipos[pin] != 'G') continue;
            if (azar() % 12 == 0) continue;
            const bool vcc = tipos[pin] == 'V';
            const bool arriba = prueba::PosicionDe(chip.pines, chip.columna, pin).superior;
            const int fila = arriba ? (vcc ? kVccArriba : kGndArriba) : (vcc ? kVccAbajo : kGndAbajo);
            try {
                const Extremo hoyo = m.Pin(chip, pin);
                m.Cablea(hoyo, m.Bus(*chip.protoboard, fila, m.Centro(hoyo).x), kAzul);
            } catch (const MontajeRechazado&) {
            }
        }
    }

    // Chip inputs to the lever and key terminals, one input of each chip in turn, until
    // the terminals run out: every gate then sees its inputs move.
    void EntradasALasPalancas(bool relojesPrimero) {
        constexpr int kTerminales = 8 * TableroDeTiras::kTerminalesPorTira;
        int usados = 0;
        for (int vuelta = 0; usados < 2 * kTerminales && vuelta < 16; ++vuelta) {
            for (std::size_t c = 0; c < chips.size() && usados < 2 * kTerminales; ++c) {
                const std::vector<int> entradas = Entradas(mesa.componentes()[c], relojesPrimero);
                if (vuelta >= static_cast<int>(entradas.size())) continue;
                Tablero& t = usados < kTerminales ? *palancas : *pulsadores;
                try {
                    m.Cablea(m.Terminal(t, usados % kTerminales), m.Pin(chips[c], entradas[static_cast<std::size_t>(vuelta)]),
                             kAzul);
                } catch (const MontajeRechazado&) {
                }
                ++usados;
            }
        }
    }

    static std::vector<int> Entradas(const Componente& chip, bool relojesPrimero) {
        std::vector<int> entradas;
        for (int pin = 1; pin <= chip.NumeroDePines(); ++pin) {
            if (chip.TiposDePines()[pin] == 'E') entradas.push_back(pin);
        }
        const auto* biestables = dynamic_cast<const ChipDeBiestables*>(chip.Circuito());
        if (relojesPrimero && biestables != nullptr) {
            std::stable_partition(entradas.begin(), entradas.end(), [biestables](int pin) {
                const auto registros = biestables->Registros();
                return std::any_of(registros.begin(), registros.end(),
                                   [pin](const ChipDeBiestables::Registro& b) { return b.reloj == pin; });
            });
        }
        return entradas;
    }

    // A free terminal of one of the board's strips of three.
    Extremo Tira(Tablero& t, int tiras) {
        const int primero = TableroDeTiras::kTerminalesPorTira * static_cast<int>(azar() % static_cast<unsigned>(tiras));
        for (int i = primero; i < primero + TableroDeTiras::kTerminalesPorTira; ++i) {
            if (t.DireccionDePuerto(i)->EstaLibre()) return m.Terminal(t, i);
        }
        throw MontajeRechazado("tira llena");
    }

    Extremo PinAlAzar(bool soloSalidas) {
        const std::size_t c = azar() % chips.size();
        const char* tipos = mesa.componentes()[c].TiposDePines();
        const int pin = 1 + static_cast<int>(azar() % static_cast<unsigned>(chips[c].pines));
        if (soloSalidas && tipos[pin] != 'S') throw MontajeRechazado("no es salida");
        return m.Pin(chips[c], pin);
    }

    Extremo Salida() { return PinAlAzar(true); }

    Extremo ExtremoAlAzar() {
        switch (azar() % 8) {
            case 0: return Tira(*palancas, 8);
            case 1: return Tira(*pulsadores, 8);
            case 2: return Tira(*mesa.reloj(), 4);
            case 3: {
                const int lampara = static_cast<int>(azar() % 8);
                if (!leds->DireccionDePuerto(lampara)->EstaLibre()) throw MontajeRechazado("lámpara");
                return m.Terminal(*leds, lampara);
            }
            default: return PinAlAzar(false);
        }
    }

    // An output of a chip back to one of its own inputs: feedback, often endless.
    void Lazo() {
        try {
            const std::size_t c = azar() % chips.size();
            const char* tipos = mesa.componentes()[c].TiposDePines();
            std::vector<int> salidas, entradas;
            for (int pin = 1; pin <= chips[c].pines; ++pin) {
                if (tipos[pin] == 'S') salidas.push_back(pin);
                if (tipos[pin] == 'E') entradas.push_back(pin);
            }
            if (salidas.empty() || entradas.empty()) return;
            const int s = salidas[azar() % salidas.size()];
            const int e = entradas[azar() % entradas.size()];
            m.Cablea(m.Pin(chips[c], s), m.Pin(chips[c], e), kAzul);
        } catch (const MontajeRechazado&) {
        }
    }

    // Refusals (two sources, one net already, a hidden end) are part of the draw.
    void CableAlAzar() {
        try {
            const Extremo a = ExtremoAlAzar();
            const Extremo b = ExtremoAlAzar();
            m.Cablea(a, b, kAzul);
        } catch (const MontajeRechazado&) {
        }
    }

    Mesa& mesa;
    Montador m;
    std::mt19937 azar;
    std::vector<Tablero*> protoboards;
    Tablero* palancas = nullptr;
    Tablero* leds = nullptr;
    Tablero* pulsadores = nullptr;
    std::vector<ChipColocado> chips;
};

Tablero* TableroDeTipo(Mesa& mesa, int tipo) {
    for (auto& t : mesa.tablero()) {
        if (t->Tipo() == tipo) return t.get();
    }
    return nullptr;
}

// One user action, the same on every workbench.
void Paso(Mesa& mesa, unsigned accion) {
    const int i = static_cast<int>(accion / 8 % 8);
    switch (accion % 8) {
        case 0: mesa.ConmutaFuente(); break;
        case 1: case 2: case 3: {
            Tablero& t = *TableroDeTipo(mesa, Tablero::kInterruptores);
            mesa.PonEntrada(t, i, t.EstadoDeEntrada(i) == 0);
            break;
        }
        case 4: case 5: {
            Tablero& t = *TableroDeTipo(mesa, Tablero::kPulsadores);
            mesa.PonEntrada(t, i, t.EstadoDeEntrada(i) == 0);
            break;
        }
        default: mesa.Temporiza(); break;
    }
}

// Everything either loop could leave differently: every port (the sentinel behind seated
// pins excepted: nothing reads it), every chip's table, every lamp, the iterations run,
// the loops left changing at the limit and the messages shown.
std::string Foto(Banco& banco) {
    std::ostringstream foto;
    Mesa& mesa = banco.mesa;
    for (auto& t : mesa.tablero()) {
        foto << 't' << t->Identificador() << ':';
        for (int i = 0; i < t->NumeroDePuertos(); ++i) {
            const Puerto& p = *t->DireccionDePuerto(i);
            foto << p.Estado() << p.Tipo();
        }
        if (const auto* luces = dynamic_cast<const TableroDeLuces*>(t.get())) {
            foto << " luces ";
            for (int i = 0; i < luces->PuertoComun(); ++i) foto << luces->EstadoDeLed(i);
        }
        foto << '\n';
    }
    for (const Componente& chip : mesa.componentes()) {
        foto << chip.Codigo() << ' ' << chip.HayCambio() << ' ';
        for (int i = 1; i <= chip.NumeroDePines() + chip.NumeroDeEstados(); ++i) foto << chip.Estado(i);
        foto << '\n';
    }
    foto << "iteraciones " << mesa.nIteraciones() << '\n';
    // What the workbench outlines as still changing at the limit.
    foto << "sin asentar " << mesa.SinAsentar() << ", chips";
    const LazosAlLimite lazos = mesa.Lazos();
    for (const int c : lazos.chips) foto << ' ' << c;
    foto << ", redes";
    for (const int n : lazos.nodos) foto << ' ' << n;
    foto << '\n';
    for (const auto& m : banco.avisos.mensajes) foto << m.titulo << ": " << m.texto << '\n';
    return foto.str();
}

std::string PrimeraDiferencia(const std::string& a, const std::string& b, const std::string& bucle) {
    std::istringstream la(a), lb(b);
    std::string x, y;
    while (std::getline(la, x) && std::getline(lb, y)) {
        if (x == y) continue;
        const std::size_t i = static_cast<std::size_t>(
            std::mismatch(x.begin(), x.end(), y.begin(), y.end()).first - x.begin());
        const std::size_t desde = i < 20 ? 0 : i - 20;
        return "en la columna " + std::to_string(i) + "\ncompleto:    " + x.substr(desde, 60) +
               "\n" + bucle + ": " + y.substr(desde, 60);
    }
    return a.size() < b.size() ? "completo acaba antes" : bucle + " acaba antes";
}

std::vector<long> CodigosAlAzar(std::mt19937& azar) {
    std::vector<long> codigos;
    for (const FichaDeChip& ficha : Catalogo()) codigos.push_back(ficha.codigoDeCatalogo);
    std::shuffle(codigos.begin(), codigos.end(), azar);
    return codigos;
}

// What a run of the three loops side by side went through.
struct Recorrido {
    std::set<long> probados;
    int limites = 0;
    int dobles = 0;
};

// A fault planted on a random pin of a random chip, or one taken away: the same on every
// workbench.
void PlantaFallo(Mesa& mesa, unsigned accion) {
    if (mesa.componentes().empty()) return;
    Componente& chip = mesa.componentes()[accion / 8 % mesa.componentes().size()];
    const int pin = 1 + static_cast<int>(accion / 1024 % static_cast<unsigned>(chip.NumeroDePines()));
    chip.Fallo(pin, "01A\0"[accion / 256 % 4]);
}

enum class Chips { Todos, Puertas, Biestables };

bool EsDeLaFamilia(long codigo, Chips chips) {
    const CircuitoElectronico* modelo = ChipTTL(static_cast<int>(codigo));
    return chips == Chips::Puertas ? dynamic_cast<const ChipDePuertas*>(modelo) != nullptr
                                   : dynamic_cast<const ChipDeBiestables*>(modelo) != nullptr;
}

// Runs `mesas` random workbenches on the three loops, comparing them after every step;
// with `fallos`, one step in eight plants or takes away a fault. With gate or flip-flop
// chips only, those are seated with their inputs on the levers and keys (a flip-flop's
// clocks first), and with `fallos` every other step plants.
void ComparaLosBucles(unsigned semilla0, int mesas, bool fallos, Recorrido& recorrido, Chips familia = Chips::Todos) {
    std::mt19937 azar(semilla0);
    std::vector<long> codigos = CodigosAlAzar(azar);
    const bool soloPuertas = familia != Chips::Todos;
    if (soloPuertas) std::erase_if(codigos, [familia](long codigo) { return !EsDeLaFamilia(codigo, familia); });
    const bool relojesPrimero = familia == Chips::Biestables;
    std::set<long>& probados = recorrido.probados;
    int& limites = recorrido.limites;
    int& dobles = recorrido.dobles;
    std::size_t primero = 0;

    for (int n = 0; n < mesas; ++n) {
        const unsigned semilla = azar();
        // Half the workbenches come from a file that joins two driven nets.
        const bool deArchivo = n % 2 == 1;
        Banco completo, porCambios, compilado;
        completo.mesa.EligeAsentamiento(Mesa::Asentamiento::Completo);
        porCambios.mesa.EligeAsentamiento(Mesa::Asentamiento::PorCambios);
        std::vector<long> sentados;
        if (deArchivo) {
            Banco original;
            Obra obra(original.mesa, semilla);
            sentados = obra.Construye(codigos, primero, soloPuertas, relojesPrimero);
            obra.DosExcitadores();
            const std::string texto = TextoDeCircuito(original.mesa);
            for (Banco* b : {&completo, &porCambios, &compilado}) {
                std::istringstream entrada(texto);
                ASSERT_EQ(LeeCircuito(b->mesa, entrada), ResultadoDeLectura::Correcto);
            }
            ++dobles;
        } else {
            Obra(completo.mesa, semilla).Construye(codigos, primero, soloPuertas, relojesPrimero);
            Obra(porCambios.mesa, semilla).Construye(codigos, primero, soloPuertas, relojesPrimero);
            sentados = Obra(compilado.mesa, semilla).Construye(codigos, primero, soloPuertas, relojesPrimero);
        }
        primero += sentados.size();
        probados.insert(sentados.begin(), sentados.end());

        for (int paso = 0; paso < kPasos; ++paso) {
            const unsigned accion = paso == 0 ? 0u : azar();
            const bool fallo = fallos && (soloPuertas ? paso % 2 == 1 : paso % 8 == 4);
            for (Banco* b : {&completo, &porCambios, &compilado}) {
                if (fallo) PlantaFallo(b->mesa, accion);
                Paso(b->mesa, accion);
            }
            const std::string a = Foto(completo), b = Foto(porCambios), c = Foto(compilado);
            ASSERT_EQ(a, b) << "mesa " << n << ", paso " << paso << ", acción " << accion % 8 << "\n"
                            << PrimeraDiferencia(a, b, "por cambios");
            ASSERT_EQ(a, c) << "mesa " << n << ", paso " << paso << ", acción " << accion % 8 << "\n"
                            << PrimeraDiferencia(a, c, "compilado");
        }
        limites += static_cast<int>(completo.avisos.mensajes.size());
    }
}

TEST(AsentamientoDiferencial, ElBucleQueSoloMiraLoQueCambiaAcabaComoElCompleto) {
    Recorrido recorrido;
    ComparaLosBucles(20, kMesas, false, recorrido);
    // The draw covered what it is for: every chip type, files with two drivers on a net,
    // and feedback that hits the iteration limit.
    EXPECT_EQ(recorrido.probados.size(), Catalogo().size());
    EXPECT_GT(recorrido.dobles, 0);
    EXPECT_GT(recorrido.limites, 0);
}

// Planted faults change how a chip reads and drives its pins between settlings, without
// touching a wire: the loops that keep lists of what changed must notice all the same.
TEST(AsentamientoDiferencial, LosFallosPlantadosAcabanComoEnElBucleCompleto) {
    Recorrido recorrido;
    ComparaLosBucles(77, 4, true, recorrido);
    EXPECT_GT(recorrido.probados.size(), 20u);
}

// The compiled loop evaluates a gate chip without faults one gate at a time, on its own
// levels: a fault planted or taken away between two lever flips must put the chip back
// on the ports, and a gate whose inputs move must see them.
TEST(AsentamientoDiferencial, LasPuertasConSusEntradasEnLasPalancasAcabanComoEnElBucleCompleto) {
    Recorrido recorrido;
    ComparaLosBucles(31, 4, true, recorrido, Chips::Puertas);
    const auto puertas = std::count_if(Catalogo().begin(), Catalogo().end(), [](const FichaDeChip& ficha) {
        return dynamic_cast<const ChipDePuertas*>(ChipTTL(ficha.codigoDeCatalogo)) != nullptr;
    });
    EXPECT_EQ(recorrido.probados.size(), static_cast<std::size_t>(puertas));
}

// A flip-flop chip goes one flip-flop at a time the same way, unless its flip-flops share
// a clock (the 74114): then each would see the edge the other has just recorded.
TEST(AsentamientoDiferencial, LosBiestablesConSusRelojesEnLasPalancasAcabanComoEnElBucleCompleto) {
    Recorrido recorrido;
    ComparaLosBucles(43, 6, false, recorrido, Chips::Biestables);
    ComparaLosBucles(44, 3, true, recorrido, Chips::Biestables);
    const auto biestables = std::count_if(Catalogo().begin(), Catalogo().end(), [](const FichaDeChip& ficha) {
        return EsDeLaFamilia(ficha.codigoDeCatalogo, Chips::Biestables);
    });
    EXPECT_EQ(recorrido.probados.size(), static_cast<std::size_t>(biestables));
}

// A gate chip's flat scheme answers what its model answers: every output and the change
// flag, for every input combination, powered or not, starting from the previous outputs.
TEST(AsentamientoDiferencial, LasPuertasCompiladasCalculanComoSuModelo) {
    int chipsDePuertas = 0;
    for (const FichaDeChip& ficha : Catalogo()) {
        const auto* modelo = dynamic_cast<const ChipDePuertas*>(ChipTTL(ficha.codigoDeCatalogo));
        if (modelo == nullptr) continue;
        ++chipsDePuertas;
        const PuertasCompiladas compiladas(modelo->Esquema());
        std::vector<int> leidos;
        for (int pin = 1; pin <= ficha.pines; ++pin) {
            if (ficha.tipos[pin - 1] != 'S') leidos.push_back(pin);
        }
        bool porModelo[CircuitoElectronico::kEntradasDeTabla] = {};
        bool porEsquema[CircuitoElectronico::kEntradasDeTabla] = {};
        for (unsigned v = 0; v < 1u << leidos.size(); ++v) {
            for (std::size_t k = 0; k < leidos.size(); ++k)
                porModelo[leidos[k]] = porEsquema[leidos[k]] = (v >> k & 1) != 0;
            const bool cambioModelo = modelo->Funcion(porModelo);
            const bool cambioEsquema = compiladas.Calcula(porEsquema);
            ASSERT_EQ(cambioModelo, cambioEsquema) << ficha.codigoDeModelo << ", entradas " << v;
            ASSERT_TRUE(std::equal(std::begin(porModelo), std::end(porModelo), std::begin(porEsquema)))
                << ficha.codigoDeModelo << ", entradas " << v;
        }
    }
    EXPECT_EQ(chipsDePuertas, 18);
}

}  // namespace
}  // namespace velistra
