#include "simulacion/AsentadorCompilado.h"

#include <algorithm>
#include <utility>

#include "modelo/Componentes.h"
#include "modelo/Puerto.h"

namespace velistra {

namespace {
std::size_t U(int i) { return static_cast<std::size_t>(i); }
}  // namespace

void AsentadorCompilado::Prepara(std::size_t chips) {
    const auto redes = U(circuito.NumeroDeRedes());
    nivel.assign(redes, 'Z');
    dado.assign(redes, 'Z');
    sucia.assign(redes, 0);
    sucias.clear();
    sucias.reserve(redes);
    actuales.clear();
    siguientes.clear();
    actuales.reserve(chips);
    siguientes.reserve(chips);
    marca.assign(chips, 0);
    nMarca = 0;
}

void AsentadorCompilado::LeeNivel(int red) { nivel[U(red)] = circuito.Representante(red)->Estado(); }

void AsentadorCompilado::NuevaIteracion() {
    if (++nMarca == 0) {
        std::fill(marca.begin(), marca.end(), 0u);
        nMarca = 1;
    }
    siguientes.clear();
}

void AsentadorCompilado::Marca(int chip) {
    unsigned& m = marca[U(chip)];
    if (m == nMarca) return;
    m = nMarca;
    siguientes.push_back(chip);
}

void AsentadorCompilado::Excita(int red, char e) {
    nivel[U(red)] = e;
    // The chips reading the net see the new level at once; nobody else looks before the
    // next Vuelca.
    for (auto [p, fin] = circuito.HoyosLeidosEn(red); p != fin; ++p) (*p)->EstadoDelPuerto(e);
    for (auto [c, fin] = circuito.LectoresDe(red); c != fin; ++c) Marca(*c);
    if (sucia[U(red)] == 0) {
        sucia[U(red)] = 1;
        sucias.push_back(red);
    }
}

void AsentadorCompilado::Vuelca() {
    for (const int r : sucias) {
        const char e = nivel[U(r)];
        for (auto [p, fin] = circuito.PuertosDe(r); p != fin; ++p) (*p)->EstadoDelPuerto(e);
        sucia[U(r)] = 0;
    }
    sucias.clear();
}

// The plain iteration, through the ports; afterwards every chip reads its pins afresh.
bool AsentadorCompilado::PasoCompleto(Componentes& componentes) {
    componentes.CalculaFunciones();
    componentes.Transmite();
    for (int r = 0; r < circuito.NumeroDeRedes(); ++r) LeeNivel(r);
    const bool cambio = componentes.HayCambio();
    for (int c = 0; c < static_cast<int>(componentes.size()); ++c) {
        const Componente& chip = componentes[U(c)];
        if (chip.HayCambio() || chip.PideEvaluacion()) Marca(c);
    }
    return cambio;
}

bool AsentadorCompilado::Paso(Componentes& componentes) {
    bool cambio = false;
    for (const int c : actuales) {
        Componente& chip = componentes[U(c)];
        if (const PuertasCompiladas* puertas = circuito.PuertasDe(c))
            chip.CalculaFuncionesCon([puertas](bool* valores) { return puertas->Calcula(valores); });
        else
            chip.CalculaFunciones();
        if (chip.HayCambio()) {
            cambio = true;
            // A chip whose outputs just moved is looked at again, as the plain loop would.
            Marca(c);
        }
    }
    for (const int c : actuales) {
        const Componente& chip = componentes[U(c)];
        for (auto [s, fin] = circuito.SalidasDe(c); s != fin; ++s) {
            const char e = chip.EstadoQueDa(s->pin);
            if (nivel[U(s->red)] != e) Excita(s->red, e);
        }
    }
    ExcitaCompartidas(componentes);
    return cambio;
}

// Every output on a net with several drivers drives it in every iteration, in list order,
// as the plain loop does: the last one decides.
void AsentadorCompilado::ExcitaCompartidas(const Componentes& componentes) {
    for (const CircuitoCompilado::Salida& s : circuito.SalidasCompartidas())
        dado[U(s.red)] = componentes[U(s.chip)].EstadoQueDa(s.pin);
    for (const int r : circuito.RedesCompartidas()) {
        if (dado[U(r)] != nivel[U(r)]) Excita(r, dado[U(r)]);
    }
}

int AsentadorCompilado::Asienta(const std::vector<std::unique_ptr<Tablero>>& tableros,
                                Componentes& componentes, const Puerto* centinela,
                                unsigned long generacion, int limite,
                                const std::function<void(int)>& tras, int desde) {
    if (!circuito.Vigente(tableros, componentes, centinela, generacion)) {
        circuito.Construye(tableros, componentes, centinela, generacion);
        Prepara(componentes.size());
        bTodo = true;
    }
    auto informa = [&](int n) {
        if (!tras || n < desde) return;
        Vuelca();
        tras(n);
    };

    NuevaIteracion();
    bool cambio = false;
    if (bTodo) {
        bTodo = false;
        cambio = PasoCompleto(componentes);
    } else {
        // Between settlings only the instruments write levels, through the ports.
        for (const int r : circuito.RedesDeTableros()) LeeNivel(r);
        actuales.clear();
        for (int c = 0; c < static_cast<int>(componentes.size()); ++c) {
            if (componentes[U(c)].PideEvaluacion()) actuales.push_back(c);
        }
        cambio = Paso(componentes);
    }
    int n = 1;
    informa(n);
    // A chip whose last evaluation moved an output is always evaluated in the next
    // iteration, so every chip left out would answer no change: the plain loop's test
    // (any chip changed) looks at the evaluated ones only.
    while (cambio && n < limite) {
        std::swap(actuales, siguientes);
        NuevaIteracion();
        cambio = Paso(componentes);
        ++n;
        informa(n);
    }
    Vuelca();
    return n;
}

}  // namespace velistra
