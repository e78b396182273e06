#include "support/Montador.h"

#include <cstdlib>
#include <limits>
#include <utility>
#include <string>

#include "tableros/Protoboard.h"
#include "modelo/Componente.h"
#include "simulacion/Mesa.h"
#include "cables/Cable.h"

namespace velistra::prueba {

namespace {

constexpr Punto kSinCentro{std::numeric_limits<int>::min(), 0};
// Where the workbench sends a chip that could not be plugged in.
constexpr Punto kEsquinaDeRetirado{20, 40};

std::string Texto(Punto p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

// Points the mouse at every pixel of the board, row by row, until `visto` answers true
// for the port hit there; the board's centre is then that port's.
template <typename Visto>
void Sondea(Tablero& tablero, Visto visto) {
    for (int dy = 0; dy < tablero.Altura(); ++dy) {
        for (int dx = 0; dx < tablero.Anchura(); ++dx) {
            const Puerto* p = tablero.PuertoEn(tablero.EsquinaX() + dx, tablero.EsquinaY() + dy);
            if (p != nullptr && visto(*p)) return;
        }
    }
}

Punto CentroRelativo(const Tablero& tablero) {
    return {tablero.CentroX() - tablero.EsquinaX(), tablero.CentroY() - tablero.EsquinaY()};
}

}  // namespace

int HoyoSuperior(int columna, int fila) { return Protoboard::kFilas * columna + fila; }

int HoyoInferior(int columna, int fila) {
    return Protoboard::kPrimerPuertoInferior + Protoboard::kFilas * columna + fila;
}

int HoyoDeBus(int filaDeBus, int k) {
    return Protoboard::kPrimerPuertoDeBuses + Protoboard::kHuecosPorBus * filaDeBus + k;
}

PosicionDePin PosicionDe(int pines, int columna, int pin) {
    // Pins 1..n/2 run left to right below the channel, n/2+1..n right to left above it.
    if (pin <= pines / 2) return {false, columna + pin - 1};
    return {true, columna + pines - pin};
}

Punto CentroDePuerto(Tablero& tablero, int indice) {
    bool hallado = false;
    Sondea(tablero, [&](const Puerto& p) { return hallado = p.Indice() == indice; });
    if (!hallado)
        throw MontajeRechazado("el puerto " + std::to_string(indice) + " del tablero " +
                               std::to_string(tablero.Identificador()) + " no está a la vista");
    return {tablero.CentroX(), tablero.CentroY()};
}

Cable TrazaCable(int tableroA, Punto a, int tableroB, Punto b, Trazado trazado, Color color) {
    Cable cable;
    cable.Color(color);
    cable.Inicia(tableroA, a.x, a.y);
    if (trazado == Trazado::VerticalPrimero) cable.Construye(a.x, b.y);
    cable.Construye(b.x, b.y);
    cable.Concluye(tableroB, b.x, b.y);
    return cable;
}

Tablero& Montador::Coloca(int tipo, Punto esquina) {
    Tablero* t = mesa.AgregaTablero(tipo);
    if (t == nullptr)
        throw MontajeRechazado("la mesa no agrega un tablero de tipo " + std::to_string(tipo));
    Mueve(*t, esquina);
    return *t;
}

void Montador::Mueve(Tablero& tablero, Punto esquina) {
    if (!tablero.EstaLimpio()) throw MontajeRechazado("sólo se mueven tableros vacíos");
    tablero.UbicaEn(esquina.x, esquina.y);
}

Tablero& Montador::MuestraTemporizador() {
    mesa.MuestraTemporizador();
    if (mesa.reloj() == nullptr) throw MontajeRechazado("la mesa no tiene temporizador");
    return *mesa.reloj();
}

ChipColocado Montador::Enchufa(long codigo, Tablero& protoboard, int columna) {
    const Componente& chip =
        Suelta(codigo, protoboard, HoyoSuperior(columna, Protoboard::kFilas - 1));
    if (!chip.EstaInsertado() || chip.NumeroDeProtoboard() != protoboard.Identificador())
        throw MontajeRechazado("el chip " + std::to_string(codigo) + " no entra en la columna " +
                               std::to_string(columna));
    return {&protoboard, columna, chip.NumeroDePines()};
}

Componente& Montador::Suelta(long codigo, Tablero& protoboard, int hoyo) {
    const Punto centro = Centro(protoboard, hoyo);
    Componente& chip = Deja(codigo, {});
    chip.UbicaEn({centro.x - chip.Desplazamiento().x, centro.y - chip.Desplazamiento().y});
    if (!mesa.EnchufaComponente(chip)) {
        chip.Retira();
        chip.UbicaEn(kEsquinaDeRetirado);
    }
    return chip;
}

Componente& Montador::Deja(long codigo, Punto esquina) {
    mesa.componentes().Nuevo(codigo);
    Componente& chip = mesa.componentes()[mesa.componentes().size() - 1];
    chip.UbicaEn(esquina);
    return chip;
}

Extremo Montador::Terminal(Tablero& tablero, int puerto) {
    Puerto* p = tablero.DireccionDePuerto(puerto);
    if (p == nullptr)
        throw MontajeRechazado("el tablero " + std::to_string(tablero.Identificador()) +
                               " no tiene el puerto " + std::to_string(puerto));
    return {tablero, *p};
}

Extremo Montador::Pin(const ChipColocado& chip, int pin) {
    const PosicionDePin p = PosicionDe(chip.pines, chip.columna, pin);
    const bool desdeAbajo = !p.superior && mano.busqueda == Busqueda::DesdeElBus;
    for (int i = 0; i < Protoboard::kFilas; ++i) {
        const int fila = desdeAbajo ? Protoboard::kFilas - 1 - i : i;
        const int hoyo = p.superior ? HoyoSuperior(p.columna, fila) : HoyoInferior(p.columna, fila);
        Puerto* puerto = chip.protoboard->DireccionDePuerto(hoyo);
        if (puerto != nullptr && puerto->EstaLibre()) return {*chip.protoboard, *puerto};
    }
    throw MontajeRechazado("no queda hueco libre junto al pin " + std::to_string(pin));
}

Extremo Montador::Bus(Tablero& protoboard, int filaDeBus, int x) {
    Puerto* mejor = nullptr;
    int distancia = std::numeric_limits<int>::max();
    for (int k = 0; k < Protoboard::kHuecosPorBus; ++k) {
        Puerto* p = protoboard.DireccionDePuerto(HoyoDeBus(filaDeBus, k));
        if (p == nullptr || !p->EstaLibre()) continue;
        const int d = std::abs(Centro(protoboard, p->Indice()).x - x);
        if (d < distancia) {
            distancia = d;
            mejor = p;
        }
    }
    if (mejor == nullptr)
        throw MontajeRechazado("la fila de bus " + std::to_string(filaDeBus) + " está llena");
    return {protoboard, *mejor};
}

void Montador::Cablea(Extremo a, Extremo b, Color color) {
    const Punto pa = Centro(a);
    const Punto pb = Centro(b);
    // The reader finds the ports again under the wire's ends, so they must be the ones
    // the mouse would hit there.
    for (const auto& [p, extremo] : {std::pair{pa, a}, std::pair{pb, b}}) {
        if (mesa.PuertoEn(p.x, p.y).puerto != &extremo.puerto)
            throw MontajeRechazado("otro tablero tapa un extremo del cable en " + Texto(p));
    }
    if (!Tiende(a, b, Traza(a, b, color)))
        throw MontajeRechazado("la mesa no une " + Texto(pa) + " con " + Texto(pb));
}

void Montador::CableaComoUnArchivo(Extremo a, Extremo b, Color color) {
    if (!mesa.ConectaPuertos(&a.puerto, &b.puerto))
        throw MontajeRechazado("ni un archivo une " + Texto(Centro(a)) + " con " + Texto(Centro(b)));
    mesa.cables().Agrega(Traza(a, b, color));
}

Cable Montador::Traza(Extremo a, Extremo b, Color color) {
    return TrazaCable(a.tablero.Identificador(), Centro(a), b.tablero.Identificador(), Centro(b),
                      mano.trazado, color);
}

bool Montador::Tiende(Extremo a, Extremo b, const Cable& cable) {
    if (!mesa.PuedeConectarPuertos(&a.puerto, &b.puerto) ||
        !mesa.ConectaPuertos(&a.puerto, &b.puerto))
        return false;
    mesa.cables().Agrega(cable);
    return true;
}

Punto Montador::Centro(Extremo e) { return Centro(e.tablero, e.puerto.Indice()); }

Punto Montador::Centro(Tablero& tablero, int i) {
    auto encontrado = centros.find(tablero.Tipo());
    if (encontrado == centros.end()) {
        std::vector<Punto> relativos(static_cast<std::size_t>(tablero.NumeroDePuertos()),
                                     kSinCentro);
        bool alguno = false;
        Sondea(tablero, [&](const Puerto& p) {
            Punto& c = relativos[static_cast<std::size_t>(p.Indice())];
            if (c == kSinCentro) c = CentroRelativo(tablero);
            alguno = true;
            return false;
        });
        // A hidden timer board answers no port; probing it must not be remembered.
        if (!alguno)
            throw MontajeRechazado("el tablero de tipo " + std::to_string(tablero.Tipo()) +
                                   " no ofrece puertos");
        encontrado = centros.emplace(tablero.Tipo(), std::move(relativos)).first;
    }
    const std::vector<Punto>& relativos = encontrado->second;
    if (i < 0 || static_cast<std::size_t>(i) >= relativos.size() || relativos[i] == kSinCentro)
        throw MontajeRechazado("el puerto " + std::to_string(i) + " no se alcanza con el ratón");
    return {tablero.EsquinaX() + relativos[i].x, tablero.EsquinaY() + relativos[i].y};
}

}  // namespace velistra::prueba
