#include "simulacion/Sonda.h"

#include <algorithm>

#include "modelo/Componente.h"
#include "plataforma/CatalogoDeTextos.h"
#include "plataforma/Traducible.h"
#include "simulacion/Mesa.h"
#include "simulacion/Nombres.h"
#include "tableros/DescripcionesDeTableros.h"
#include "tableros/Fabrica.h"

namespace velistra {

namespace {

Mensaje DelTablero(const Tablero& t, Mensaje terminal) {
    return Mensaje(VELISTRA_TEXTO("%1 (%2) %3"),
                   {Mensaje(NombreDeTablero(t.Tipo())), Mensaje::Entero(t.Identificador()),
                    std::move(terminal)});
}

// A board's driving strip by what the user sees on it: a lever, a key, a clock, a supply.
Mensaje NombreDeExcitador(const Tablero& t, int i) {
    if (std::optional<Mensaje> terminal = t.NombreDeTerminal(i))
        return DelTablero(t, std::move(*terminal));
    return Mensaje(VELISTRA_TEXTO("%1 (%2) %3"),
                   {Mensaje(VELISTRA_TEXTO("tablero")), Mensaje::Entero(t.Identificador()),
                    Mensaje(VELISTRA_TEXTO("terminal %1"), {Mensaje::Entero(i)})});
}

void BuscaConductores(const Mesa& mesa, LecturaDeSonda& lectura) {
    int numero = 0;
    for (const Componente& chip : mesa.componentes()) {
        ++numero;
        if (!chip.EstaInsertado()) continue;
        const char* tipos = chip.TiposDePines();
        for (int pin = 1; pin <= chip.NumeroDePines(); ++pin) {
            const Puerto* hoyo = chip.DireccionDeCasilla(pin);
            if (tipos[pin] == 'S' && hoyo != nullptr && hoyo->Nodo() == lectura.nodo)
                lectura.conductores.push_back(
                    Mensaje(VELISTRA_TEXTO("%1 patilla %2"),
                            {NombreDeChip(chip, numero), Mensaje::Entero(pin)}));
        }
    }
    for (const auto& t : mesa.tablero()) {
        // Breadboard holes carry the mark of the chip output seated on their strip.
        if (DescripcionDe(*t).admiteChips) continue;
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
    for (const auto& t : mesa.tablero()) {
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
    for (const Componente& chip : mesa.componentes()) {
        if (chip.Cubre(x, y)) return std::nullopt;
    }
    const PuertoEnLaMesa bajo = mesa.PuertoEn(x, y);
    if (bajo.puerto == nullptr) return std::nullopt;
    return SondeaPuerto(mesa, *bajo.puerto);
}

Mensaje MensajeDeSonda(const LecturaDeSonda& lectura) {
    Mensaje texto = lectura.nivel == '1' ? VELISTRA_TEXTO("Nivel alto")
                    : lectura.nivel == '0'
                        ? VELISTRA_TEXTO("Nivel bajo")
                        : VELISTRA_TEXTO("Nivel flotante (Z, una entrada TTL lo lee como alto)");
    if (!lectura.conductores.empty())
        texto = Mensaje(VELISTRA_TEXTO("%1; lo da %2"),
                        {std::move(texto), Enumeracion(lectura.conductores)});
    const std::size_t n = lectura.miembros.size();
    if (n == 1) return Mensaje(VELISTRA_TEXTO("%1; 1 punto"), {std::move(texto)});
    return Mensaje(VELISTRA_TEXTO("%1; %2 puntos unidos"),
                   {std::move(texto), Mensaje::Entero(static_cast<long long>(n))});
}

std::string TextoDeSonda(const LecturaDeSonda& lectura, Idioma idioma) {
    return Formatea(MensajeDeSonda(lectura), idioma);
}

}  // namespace velistra
