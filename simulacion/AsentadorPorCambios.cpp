#include "simulacion/AsentadorPorCambios.h"

#include <algorithm>
#include <utility>

#include "modelo/Componentes.h"
#include "modelo/Puerto.h"
#include "modelo/Tablero.h"
#include "simulacion/NumeracionDeRedes.h"

namespace velistra {

void AsentadorPorCambios::Construye(std::vector<std::unique_ptr<Tablero>>& tableros,
                                    Componentes& componentes, const Puerto* centinela,
                                    unsigned long generacion) {
    pCentinela = centinela;
    nGeneracion = generacion;
    const int nChips = static_cast<int>(componentes.size());

    NumeracionDeRedes redes(centinela);

    primeraSalida.assign(1, 0);
    salidas.clear();
    std::vector<std::pair<int, int>> lecturas;  // (net, chip)
    for (int c = 0; c < nChips; ++c) {
        const Componente& chip = componentes[static_cast<std::size_t>(c)];
        for (int k = 0; k < chip.NumeroDeSalidas(); ++k) {
            const int pin = chip.PinDeSalida(k);
            salidas.push_back({c, pin, redes.RedDe(chip.DireccionDeCasilla(pin))});
        }
        primeraSalida.push_back(static_cast<int>(salidas.size()));
        for (int k = 0; k < chip.NumeroDeLecturas(); ++k)
            lecturas.emplace_back(redes.RedDe(chip.DireccionDeCasilla(chip.PinDeLectura(k))), c);
    }

    // Drivers per net: chip outputs, and the driving terminals of instrument boards.
    const int nRedes = redes.NumeroDeRedes();
    std::vector<int> conductores = redes.ConductoresDeTableros(tableros);
    for (const Salida& s : salidas) ++conductores[static_cast<std::size_t>(s.red)];
    compartida.assign(static_cast<std::size_t>(nRedes), false);
    for (int r = 0; r < nRedes; ++r) compartida[static_cast<std::size_t>(r)] = conductores[static_cast<std::size_t>(r)] > 1;
    salidasCompartidas.clear();
    for (const Salida& s : salidas) {
        if (compartida[static_cast<std::size_t>(s.red)]) salidasCompartidas.push_back(s);
    }
    antes.assign(salidasCompartidas.size(), 'Z');

    std::sort(lecturas.begin(), lecturas.end());
    lecturas.erase(std::unique(lecturas.begin(), lecturas.end()), lecturas.end());
    primerLector.assign(static_cast<std::size_t>(nRedes) + 1, 0);
    lectores.clear();
    for (const auto& [red, chip] : lecturas) {
        ++primerLector[static_cast<std::size_t>(red) + 1];
        lectores.push_back(chip);
    }
    for (int r = 0; r < nRedes; ++r)
        primerLector[static_cast<std::size_t>(r) + 1] += primerLector[static_cast<std::size_t>(r)];

    cola.Prepara(static_cast<std::size_t>(nChips));
}

void AsentadorPorCambios::MarcaLectores(int red) {
    const int fin = primerLector[static_cast<std::size_t>(red) + 1];
    for (int i = primerLector[static_cast<std::size_t>(red)]; i < fin; ++i)
        cola.Marca(lectores[static_cast<std::size_t>(i)]);
}

bool AsentadorPorCambios::Calcula(Componentes& componentes, const std::vector<int>& chips) {
    bool cambio = false;
    for (const int c : chips) {
        Componente& chip = componentes[static_cast<std::size_t>(c)];
        chip.CalculaFunciones();
        if (chip.HayCambio()) {
            cambio = true;
            // A chip whose outputs just moved is looked at again, as the plain loop would.
            cola.Marca(c);
        }
    }
    return cambio;
}

// The plain iteration; afterwards every chip reads its pins afresh.
bool AsentadorPorCambios::PasoCompleto(Componentes& componentes) {
    componentes.CalculaFunciones();
    componentes.Transmite();
    const bool cambio = componentes.HayCambio();
    for (int c = 0; c < static_cast<int>(componentes.size()); ++c) {
        if (componentes[static_cast<std::size_t>(c)].HayCambio() ||
            componentes[static_cast<std::size_t>(c)].PideEvaluacion())
            cola.Marca(c);
    }
    return cambio;
}

bool AsentadorPorCambios::Paso(Componentes& componentes) {
    const bool cambio = Calcula(componentes, cola.Actuales());
    for (const int c : cola.Actuales()) {
        Componente& chip = componentes[static_cast<std::size_t>(c)];
        const int fin = primeraSalida[static_cast<std::size_t>(c) + 1];
        for (int k = primeraSalida[static_cast<std::size_t>(c)]; k < fin; ++k) {
            const Salida& s = salidas[static_cast<std::size_t>(k)];
            if (compartida[static_cast<std::size_t>(s.red)]) continue;
            Puerto* hoyo = chip.DireccionDeCasilla(s.pin);
            const char e = chip.EstadoQueDa(s.pin);
            if (hoyo->Estado() == e) continue;
            hoyo->Estado(e);
            MarcaLectores(s.red);
        }
    }
    TransmiteCompartidas(componentes);
    return cambio;
}

void AsentadorPorCambios::TransmiteCompartidas(Componentes& componentes) {
    const std::size_t n = salidasCompartidas.size();
    for (std::size_t k = 0; k < n; ++k) {
        const Salida& s = salidasCompartidas[k];
        antes[k] = componentes[static_cast<std::size_t>(s.chip)].DireccionDeCasilla(s.pin)->Estado();
    }
    for (const Salida& s : salidasCompartidas) {
        Componente& chip = componentes[static_cast<std::size_t>(s.chip)];
        chip.DireccionDeCasilla(s.pin)->Estado(chip.EstadoQueDa(s.pin));
    }
    for (std::size_t k = 0; k < n; ++k) {
        const Salida& s = salidasCompartidas[k];
        if (componentes[static_cast<std::size_t>(s.chip)].DireccionDeCasilla(s.pin)->Estado() != antes[k])
            MarcaLectores(s.red);
    }
}

int AsentadorPorCambios::Asienta(std::vector<std::unique_ptr<Tablero>>& tableros,
                                 Componentes& componentes, const Puerto* centinela,
                                 unsigned long generacion, int limite,
                                 const std::function<void(int)>& tras) {
    if (nGeneracion != generacion || pCentinela != centinela ||
        primeraSalida.size() != componentes.size() + 1) {
        Construye(tableros, componentes, centinela, generacion);
        bTodo = true;
    }
    cola.Olvida();
    bool cambio = false;
    if (bTodo) {
        bTodo = false;
        cambio = PasoCompleto(componentes);
    } else {
        for (int c = 0; c < static_cast<int>(componentes.size()); ++c) {
            if (componentes[static_cast<std::size_t>(c)].PideEvaluacion()) cola.Marca(c);
        }
        cola.Avanza();
        cambio = Paso(componentes);
    }
    int n = 1;
    if (tras) tras(n);
    // A chip whose last evaluation moved an output is always evaluated in the next
    // iteration, so every chip left out would answer no change: the plain loop's test
    // (any chip changed) looks at the evaluated ones only.
    while (cambio && n < limite) {
        cola.Avanza();
        cambio = Paso(componentes);
        ++n;
        if (tras) tras(n);
    }
    return n;
}

}  // namespace velistra
