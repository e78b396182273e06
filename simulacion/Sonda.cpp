#include "simulacion/Sonda.h"

#include <algorithm>
#include <array>

#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeTiras.h"
#include "modelo/Componente.h"
#include "plataforma/Traducible.h"
#include "simulacion/Mesa.h"
#include "simulacion/Nombres.h"

namespace velistra {

namespace {

constexpr std::array<const char*, 4> kFrecuencias{"10 Hz", "5 Hz", "2 Hz", "1 Hz"};

std::string DelTablero(const char* nombre, const Tablero& t, const std::string& terminal) {
    return std::string(nombre) + " (" + std::to_string(t.Identificador()) + ") " + terminal;
}

// A board's driving strip by what the user sees on it: a lever, a key, a clock, a supply.
std::string NombreDeExcitador(const Tablero& t, int i) {
    const int tira = i / TableroDeTiras::kTerminalesPorTira;
    switch (t.Tipo()) {
        case Tablero::kFuenteDC:
            return DelTablero("fuente DC", t, i < TableroDeFuenteDC::kPrimerGnd ? "VCC" : "GND");
        case Tablero::kInterruptores:
            return DelTablero("interruptores", t, "palanca " + std::to_string(tira));
        case Tablero::kPulsadores:
            return DelTablero("pulsadores", t, "pulsador " + std::to_string(tira));
        case Tablero::kTemporizadores:
            if (tira < static_cast<int>(kFrecuencias.size()))
                return DelTablero("temporizador", t, kFrecuencias[static_cast<std::size_t>(tira)]);
            break;
        default:
            break;
    }
    return DelTablero("tablero", t, "terminal " + std::to_string(i));
}

void BuscaConductores(const Mesa& mesa, LecturaDeSonda& lectura) {
    int numero = 0;
    for (const Componente& chip : mesa.componentes) {
        ++numero;
        if (!chip.EstaInsertado()) continue;
        const char* tipos = chip.TiposDePines();
        for (int pin = 1; pin <= chip.NumeroDePines(); ++pin) {
            const Puerto* hoyo = chip.DireccionDeCasilla(pin);
            if (tipos[pin] == 'S' && hoyo != nullptr && hoyo->Nodo() == lectura.nodo)
                lectura.conductores.push_back(NombreDeChip(chip, numero) + " patilla " +
                                              std::to_string(pin));
        }
    }
    for (const auto& t : mesa.tablero) {
        // Breadboard holes carry the mark of the chip output seated on their strip.
        if (t->Tipo() == Tablero::kProtoboard) continue;
        for (int i = 0; i < t->NumeroDePuertos(); ++i) {
            const Puerto& p = *t->DireccionDePuerto(i);
            // One name per strip: its first terminal.
            if (p.Nodo() != lectura.nodo || p.NumeroDeAnteriores() != 0 ||
                !EsTipoQueExcita(p.TipoOriginal()))
                continue;
            lectura.conductores.push_back(NombreDeExcitador(*t, i));
        }
    }
}

}  // namespace

std::vector<MiembroDeRed> MiembrosDeRedes(const Mesa& mesa, const std::vector<int>& nodos) {
    std::vector<MiembroDeRed> miembros;
    for (const auto& t : mesa.tablero) {
        for (int i = 0; i < t->NumeroDePuertos(); ++i) {
            if (!std::binary_search(nodos.begin(), nodos.end(), t->DireccionDePuerto(i)->Nodo()))
                continue;
            if (const std::optional<Punto> centro = t->CentroDePuerto(i))
                miembros.push_back({t.get(), i, *centro});
        }
    }
    return miembros;
}

LecturaDeSonda SondeaPuerto(const Mesa& mesa, const Puerto& puerto) {
    LecturaDeSonda lectura;
    lectura.nodo = puerto.Nodo();
    lectura.nivel = puerto.Estado();
    lectura.miembros = MiembrosDeRedes(mesa, {lectura.nodo});
    BuscaConductores(mesa, lectura);
    return lectura;
}

std::optional<LecturaDeSonda> Sondea(Mesa& mesa, int x, int y) {
    // A chip hides the holes under it; hovering it is about the chip.
    for (const Componente& chip : mesa.componentes) {
        if (chip.Cubre(x, y)) return std::nullopt;
    }
    const PuertoEnLaMesa bajo = mesa.PuertoEn(x, y);
    if (bajo.puerto == nullptr) return std::nullopt;
    return SondeaPuerto(mesa, *bajo.puerto);
}

std::string TextoDeSonda(const LecturaDeSonda& lectura,
                         const std::function<std::string(const char*)>& traduce) {
    const auto en = [&traduce](const char* texto) { return traduce ? traduce(texto) : std::string(texto); };
    std::string texto = en(lectura.nivel == '1'   ? VELISTRA_TEXTO("Nivel alto")
                           : lectura.nivel == '0' ? VELISTRA_TEXTO("Nivel bajo")
                                                  : VELISTRA_TEXTO("Nivel flotante (Z, una entrada TTL lo lee como alto)"));
    if (!lectura.conductores.empty())
        texto = Rellena(en(VELISTRA_TEXTO("%1; lo da %2")), {texto, Enumeracion(lectura.conductores)});
    const std::size_t n = lectura.miembros.size();
    if (n == 1) return Rellena(en(VELISTRA_TEXTO("%1; 1 punto")), {texto});
    return Rellena(en(VELISTRA_TEXTO("%1; %2 puntos unidos")), {texto, std::to_string(n)});
}

}  // namespace velistra
