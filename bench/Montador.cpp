#include "bench/Montador.h"

#include <cstdlib>
#include <limits>

#include "boards/Protoboard.h"
#include "model/Componente.h"
#include "simulation/Mesa.h"
#include "wires/Cable.h"

namespace velistra::banco {

namespace {
constexpr Punto kSinCentro{std::numeric_limits<int>::min(), 0};
}  // namespace

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

void Montador::Enchufa(long codigo, Tablero& protoboard, int columna) {
    mesa.componentes.Nuevo(codigo);
    Componente& chip = mesa.componentes[mesa.componentes.size() - 1];
    const Punto hoyo = Centro(protoboard, HoyoSuperior(columna, Protoboard::kFilas - 1));
    chip.UbicaEn({hoyo.x - chip.Desplazamiento().x, hoyo.y - chip.Desplazamiento().y});
    if (!mesa.PuedeInsertarComponente(chip) || mesa.tableroProtoboard != &protoboard)
        throw MontajeRechazado("el chip " + std::to_string(codigo) + " no entra en la columna " +
                               std::to_string(columna));
    mesa.OcupaComponente(chip);
    chip.NumeroDeProtoboard(protoboard.Identificador());
    chip.Inserta();
}

void Montador::Cablea(Tablero& ta, Puerto& a, Tablero& tb, Puerto& b, Color color) {
    const Punto pa = Centro(ta, a.Indice());
    const Punto pb = Centro(tb, b.Indice());
    // The reader finds the ports again under the wire's ends, so they must be the ones
    // the mouse would hit there.
    const auto tapado = [&](Punto p, const Puerto& esperado) {
        for (auto& t : mesa.tablero) {
            if (Puerto* bajo = t->PuertoEn(p.x, p.y)) return bajo != &esperado;
        }
        return true;
    };
    if (tapado(pa, a) || tapado(pb, b))
        throw MontajeRechazado("otro tablero tapa un extremo del cable en (" +
                               std::to_string(pa.x) + ", " + std::to_string(pa.y) + ")");
    if (!mesa.PuedeConectarPuertos(&a, &b) || !mesa.ConectaPuertos(&a, &b))
        throw MontajeRechazado("la mesa no une (" + std::to_string(pa.x) + ", " +
                               std::to_string(pa.y) + ") con (" + std::to_string(pb.x) + ", " +
                               std::to_string(pb.y) + ")");
    Cable cable;
    cable.Color(color);
    cable.Inicia(ta.Identificador(), pa.x, pa.y);
    cable.Construye(pb.x, pb.y);
    cable.Concluye(tb.Identificador(), pb.x, pb.y);
    mesa.cables.Agrega(cable);
}

void Montador::Cablea(Tablero& ta, int a, Tablero& tb, int b, Color color) {
    Puerto* pa = ta.DireccionDePuerto(a);
    Puerto* pb = tb.DireccionDePuerto(b);
    if (pa == nullptr || pb == nullptr) throw MontajeRechazado("puerto inexistente");
    Cablea(ta, *pa, tb, *pb, color);
}

Punto Montador::Centro(Tablero& tablero, int i) {
    const std::vector<Punto>& relativos = CentrosDe(tablero);
    if (i < 0 || static_cast<std::size_t>(i) >= relativos.size() || relativos[i].x == kSinCentro.x)
        throw MontajeRechazado("el puerto " + std::to_string(i) + " no se alcanza con el ratón");
    return {tablero.EsquinaX() + relativos[i].x, tablero.EsquinaY() + relativos[i].y};
}

const std::vector<Punto>& Montador::CentrosDe(Tablero& tablero) {
    auto encontrado = centros.find(tablero.Tipo());
    if (encontrado != centros.end()) return encontrado->second;
    std::vector<Punto> relativos(static_cast<std::size_t>(tablero.NumeroDePuertos()), kSinCentro);
    bool alguno = false;
    for (int dy = 0; dy < tablero.Altura(); ++dy) {
        for (int dx = 0; dx < tablero.Anchura(); ++dx) {
            const Puerto* p = tablero.PuertoEn(tablero.EsquinaX() + dx, tablero.EsquinaY() + dy);
            if (p == nullptr || relativos[p->Indice()].x != kSinCentro.x) continue;
            relativos[p->Indice()] = {tablero.CentroX() - tablero.EsquinaX(),
                                      tablero.CentroY() - tablero.EsquinaY()};
            alguno = true;
        }
    }
    // A hidden timer board answers no port; probing it must not be remembered.
    if (!alguno)
        throw MontajeRechazado("el tablero de tipo " + std::to_string(tablero.Tipo()) +
                               " no ofrece puertos");
    return centros.emplace(tablero.Tipo(), std::move(relativos)).first->second;
}

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

Puerto& HoyoLibreJuntoAlPin(Tablero& protoboard, int pines, int columna, int pin) {
    const PosicionDePin p = PosicionDe(pines, columna, pin);
    for (int i = 0; i < Protoboard::kFilas; ++i) {
        // Row 0 is nearest the upper bus, row 4 nearest the lower one.
        const int hoyo = p.superior ? HoyoSuperior(p.columna, i)
                                    : HoyoInferior(p.columna, Protoboard::kFilas - 1 - i);
        Puerto* puerto = protoboard.DireccionDePuerto(hoyo);
        if (puerto != nullptr && puerto->EstaLibre()) return *puerto;
    }
    throw MontajeRechazado("no queda hueco libre junto al pin " + std::to_string(pin));
}

Puerto& HoyoLibreDeBus(Montador& montador, Tablero& protoboard, int filaDeBus, int x) {
    Puerto* mejor = nullptr;
    int distancia = std::numeric_limits<int>::max();
    for (int k = 0; k < Protoboard::kHuecosPorBus; ++k) {
        Puerto* p = protoboard.DireccionDePuerto(HoyoDeBus(filaDeBus, k));
        if (p == nullptr || !p->EstaLibre()) continue;
        const int d = std::abs(montador.Centro(protoboard, p->Indice()).x - x);
        if (d < distancia) {
            distancia = d;
            mejor = p;
        }
    }
    if (mejor == nullptr)
        throw MontajeRechazado("la fila de bus " + std::to_string(filaDeBus) + " está llena");
    return *mejor;
}

}  // namespace velistra::banco
