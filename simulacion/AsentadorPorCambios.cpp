#include "simulacion/AsentadorPorCambios.h"

#include "modelo/Componentes.h"
#include "modelo/Puerto.h"
#include "modelo/Tablero.h"

namespace velistra {

void AsentadorPorCambios::Construye(std::vector<std::unique_ptr<Tablero>>& tableros,
                                    Componentes& componentes, const Puerto* centinela,
                                    unsigned long generacion) {
    circuito.Construye(tableros, componentes, centinela, generacion);
    antes.assign(circuito.SalidasCompartidas().size(), 'Z');
    cola.Prepara(componentes.size());
}

void AsentadorPorCambios::MarcaLectores(int red) {
    for (auto [c, fin] = circuito.LectoresDe(red); c != fin; ++c) cola.Marca(*c);
}

bool AsentadorPorCambios::Calcula(Componentes& componentes, const ListaFija<int>& chips) {
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
        // Outputs on nets with several drivers are driven below.
        for (auto [s, fin] = circuito.SalidasDe(c); s != fin; ++s) {
            Puerto* hoyo = chip.DireccionDeCasilla(s->pin);
            const char e = chip.EstadoQueDa(s->pin);
            if (hoyo->Estado() == e) continue;
            hoyo->Estado(e);
            MarcaLectores(s->red);
        }
    }
    TransmiteCompartidas(componentes);
    return cambio;
}

void AsentadorPorCambios::TransmiteCompartidas(Componentes& componentes) {
    const std::vector<CircuitoCompilado::Salida>& salidasCompartidas = circuito.SalidasCompartidas();
    const std::size_t n = salidasCompartidas.size();
    for (std::size_t k = 0; k < n; ++k) {
        const CircuitoCompilado::Salida& s = salidasCompartidas[k];
        antes[k] = componentes[static_cast<std::size_t>(s.chip)].DireccionDeCasilla(s.pin)->Estado();
    }
    for (const CircuitoCompilado::Salida& s : salidasCompartidas) {
        Componente& chip = componentes[static_cast<std::size_t>(s.chip)];
        chip.DireccionDeCasilla(s.pin)->Estado(chip.EstadoQueDa(s.pin));
    }
    for (std::size_t k = 0; k < n; ++k) {
        const CircuitoCompilado::Salida& s = salidasCompartidas[k];
        if (componentes[static_cast<std::size_t>(s.chip)].DireccionDeCasilla(s.pin)->Estado() != antes[k])
            MarcaLectores(s.red);
    }
}

int AsentadorPorCambios::Asienta(std::vector<std::unique_ptr<Tablero>>& tableros,
                                 Componentes& componentes, const Puerto* centinela,
                                 unsigned long generacion, int limite,
                                 const std::function<void(int)>& tras) {
    if (!circuito.Vigente(tableros, componentes, centinela, generacion)) {
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
