#include "docencia/Revision.h"

#include <array>
#include <map>

#include "boards/Protoboard.h"
#include "chips/CircuitoElectronico.h"
#include "model/Componente.h"
#include "plataforma/Traducible.h"
#include "simulation/Mesa.h"

namespace velistra::docencia {

namespace {

Tablero* TableroConIdentificador(const Mesa& mesa, int identificador) {
    for (const auto& t : mesa.tablero) {
        if (t->Identificador() == identificador) return t.get();
    }
    return nullptr;
}

// Column and row of hole `i` as the breadboard's layout numbers them.
void UbicaEnProtoboard(int i, Hallazgo& h) {
    if (i < Protoboard::kPrimerPuertoInferior) {
        h.area = VELISTRA_TEXTO("superior");
        h.columna = i / Protoboard::kFilas + 1;
        h.fila = i % Protoboard::kFilas + 1;
    } else if (i < Protoboard::kPrimerPuertoDeBuses) {
        i -= Protoboard::kPrimerPuertoInferior;
        h.area = VELISTRA_TEXTO("inferior");
        h.columna = i / Protoboard::kFilas + 1;
        h.fila = i % Protoboard::kFilas + 1;
    } else {
        i -= Protoboard::kPrimerPuertoDeBuses;
        constexpr int kPorArea = 2 * Protoboard::kHuecosPorBus;
        h.area = i < kPorArea ? VELISTRA_TEXTO("bus superior") : VELISTRA_TEXTO("bus inferior");
        i %= kPorArea;
        h.fila = i / Protoboard::kHuecosPorBus + 1;
        h.columna = i % Protoboard::kHuecosPorBus + 1;
    }
}

Hallazgo DelChip(ClaseDeHallazgo clase, int n, const Componente& chip, int pin) {
    Hallazgo h;
    h.clase = clase;
    h.chip = n;
    h.codigo = chip.Codigo();
    h.pin = pin;
    h.tablero = chip.NumeroDeProtoboard();
    h.punto = chip.Ubicacion();
    if (const Puerto* casilla = chip.DireccionDeCasilla(pin); pin > 0 && casilla != nullptr)
        UbicaEnProtoboard(casilla->Indice(), h);
    return h;
}

// How many ports each net has, so that an output on its own strip only counts as unused.
std::map<int, int> PuertosPorNodo(Mesa& mesa) {
    std::map<int, int> cuenta;
    for (const auto& t : mesa.tablero) {
        for (int i = 0; i < t->NumeroDePuertos(); ++i) ++cuenta[t->DireccionDePuerto(i)->Nodo()];
    }
    return cuenta;
}

bool SalidaUsada(const Componente& chip, int pin, const std::map<int, int>& puertos) {
    const Puerto* casilla = chip.DireccionDeCasilla(pin);
    if (casilla == nullptr) return false;
    const auto it = puertos.find(casilla->Nodo());
    return it != puertos.end() && it->second > Protoboard::kFilas;
}

// An input of an unused gate may float; one matters when flipping it, with the chip's
// other inputs all low or all high, changes an output that goes somewhere.
bool EntradaQueImporta(const Componente& chip, int pin, const std::map<int, int>& puertos) {
    const CircuitoElectronico* modelo = chip.Circuito();
    if (modelo == nullptr) return false;
    const char* tipos = chip.TiposDePines();
    const int n = chip.NumeroDePines();
    for (const bool resto : {false, true}) {
        std::array<std::array<bool, Componente::kEntradas>, 2> valores{};
        for (int v = 0; v < 2; ++v) {
            for (int i = 1; i <= n + chip.NumeroDeEstados(); ++i) {
                const char tipo = i <= n ? tipos[i] : '\0';
                valores[v][static_cast<std::size_t>(i)] =
                    tipo == 'E' ? resto : tipo == 'V' || (tipo != 'G' && chip.Estado(i) != '0');
            }
            valores[v][static_cast<std::size_t>(pin)] = v == 1;
            modelo->Funcion(valores[v].data());
        }
        for (int i = 1; i <= n; ++i) {
            if (tipos[i] == 'S' && valores[0][static_cast<std::size_t>(i)] != valores[1][static_cast<std::size_t>(i)] &&
                SalidaUsada(chip, i, puertos))
                return true;
        }
    }
    return false;
}

void RevisaPines(int n, const Componente& chip, const std::map<int, int>& puertos,
                 std::vector<Hallazgo>& hallazgos) {
    const char* tipos = chip.TiposDePines();
    for (int pin = 1; pin <= chip.NumeroDePines(); ++pin) {
        const Puerto* casilla = chip.DireccionDeCasilla(pin);
        if (casilla == nullptr) continue;
        const char tipo = tipos[pin];
        if ((tipo == 'V' || tipo == 'G') && casilla->Tipo() != tipo)
            hallazgos.push_back(DelChip(ClaseDeHallazgo::SinAlimentacion, n, chip, pin));
        else if (tipo == 'E' && !EsTipoQueExcita(casilla->Tipo()) &&
                 EntradaQueImporta(chip, pin, puertos))
            hallazgos.push_back(DelChip(ClaseDeHallazgo::EntradaAlAire, n, chip, pin));
    }
}

// An end is sound when the port under it is on the board the wire names and is joined
// to the port under the other end.
void RevisaCables(Mesa& mesa, std::vector<Hallazgo>& hallazgos) {
    const std::vector<Cable>& cables = mesa.cables.Lista();
    for (std::size_t c = 0; c < cables.size(); ++c) {
        const Cable& cable = cables[c];
        const Punto extremos[2] = {{cable.AX(), cable.AY()}, {cable.BX(), cable.BY()}};
        const int tableros[2] = {cable.TableroA(), cable.TableroB()};
        Puerto* puertos[2] = {nullptr, nullptr};
        for (int e = 0; e < 2; ++e) {
            Tablero* t = TableroConIdentificador(mesa, tableros[e]);
            puertos[e] = t ? t->PuertoEn(extremos[e].x, extremos[e].y) : nullptr;
        }
        const bool unidos =
            puertos[0] && puertos[1] && puertos[0]->OtroPuerto() == puertos[1];
        if (unidos) continue;
        const int e = puertos[0] == nullptr || puertos[1] != nullptr ? 0 : 1;
        Hallazgo h;
        h.clase = ClaseDeHallazgo::CableSuelto;
        h.cable = static_cast<int>(c);
        h.tablero = tableros[e];
        h.punto = extremos[e];
        Tablero* t = TableroConIdentificador(mesa, tableros[e]);
        if (puertos[e] != nullptr && t != nullptr) {
            if (t->Tipo() == Tablero::kProtoboard) UbicaEnProtoboard(puertos[e]->Indice(), h);
            else h.columna = puertos[e]->Indice();
        }
        hallazgos.push_back(h);
    }
}

}  // namespace

std::vector<Hallazgo> RevisaCircuito(Mesa& mesa) {
    std::vector<Hallazgo> hallazgos;
    const std::map<int, int> puertos = PuertosPorNodo(mesa);
    int n = 0;
    for (const Componente& chip : mesa.componentes) {
        ++n;
        if (!chip.EstaInsertado()) {
            hallazgos.push_back(DelChip(ClaseDeHallazgo::ChipSinEnchufar, n, chip, 0));
            continue;
        }
        RevisaPines(n, chip, puertos, hallazgos);
    }
    RevisaCables(mesa, hallazgos);
    return hallazgos;
}

}  // namespace velistra::docencia
