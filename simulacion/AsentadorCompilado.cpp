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
    cola.Prepara(chips);
    porPuertas.assign(chips, 0);
    entero.assign(chips, 0);
    colaDePuertas.Prepara(U(circuito.NumeroDePuertasSueltas()));
    movidas.clear();
    movidas.reserve(U(circuito.NumeroDePuertasSueltas()));
}

void AsentadorCompilado::LeeNivel(int red) { nivel[U(red)] = circuito.Representante(red)->Estado(); }

void AsentadorCompilado::MarcaLectores(int red) {
    for (auto [c, fin] = circuito.LectoresDe(red); c != fin; ++c) cola.Marca(*c);
    for (auto [g, fin] = circuito.PuertasQueLeen(red); g != fin; ++g) colaDePuertas.Marca(*g);
}

void AsentadorCompilado::Excita(int red, char e) {
    nivel[U(red)] = e;
    // The chips reading the net see the new level at once; nobody else looks before the
    // next Vuelca.
    for (auto [p, fin] = circuito.HoyosLeidosEn(red); p != fin; ++p) (*p)->EstadoDelPuerto(e);
    MarcaLectores(red);
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

// Between settlings only the instruments write levels, through the ports, and only a
// switch-on, a restart or a planted fault asks a chip for an evaluation otherwise. Chips
// left marked by a settling cut at the limit stay marked.
void AsentadorCompilado::MiraLoQueCambioFuera(Componentes& componentes) {
    for (const int r : circuito.RedesDeTableros()) {
        const char e = circuito.Representante(r)->Estado();
        if (e == nivel[U(r)]) continue;
        nivel[U(r)] = e;
        MarcaLectores(r);
    }
    for (int c = 0; c < static_cast<int>(componentes.size()); ++c) {
        const Componente& chip = componentes[U(c)];
        if (!chip.PidePorSiMismo()) continue;
        auto [p, fin] = circuito.PuertasSueltasDe(c);
        porPuertas[U(c)] = p != fin && !chip.TieneFallos();
        entero[U(c)] = cola.Ronda();
        cola.Marca(c);
    }
}

// The plain iteration, through the ports; afterwards every chip reads its pins afresh.
bool AsentadorCompilado::PasoCompleto(Componentes& componentes) {
    componentes.CalculaFunciones();
    componentes.Transmite();
    for (int r = 0; r < circuito.NumeroDeRedes(); ++r) LeeNivel(r);
    const bool cambio = componentes.HayCambio();
    for (int c = 0; c < static_cast<int>(componentes.size()); ++c) {
        const Componente& chip = componentes[U(c)];
        auto [p, fin] = circuito.PuertasSueltasDe(c);
        porPuertas[U(c)] = p != fin && !chip.TieneFallos();
        if (chip.HayCambio() || chip.PideEvaluacion()) {
            entero[U(c)] = cola.Ronda();
            cola.Marca(c);
        }
    }
    return cambio;
}

bool AsentadorCompilado::CalculaPuerta(int g, Componente& chip) {
    const CircuitoCompilado::PuertaSuelta& puerta = circuito.Suelta(g);
    const CircuitoCompilado::Lectura* lecturas = circuito.LecturasDePuertas();
    for (int k = puerta.primeraLectura; k < puerta.finLecturas; ++k)
        chip.LeePin(lecturas[k].pin, nivel[U(lecturas[k].red)]);
    const bool movio = circuito.PuertasDe(puerta.chip)->CalculaPuerta(puerta.puerta, chip.Valores());
    chip.EscribeSalida(puerta.pin);
    return movio;
}

void AsentadorCompilado::ExcitaSalidas(int c, const Componente& chip) {
    for (auto [s, fin] = circuito.SalidasDe(c); s != fin; ++s) {
        const char e = chip.EstadoQueDa(s->pin);
        if (nivel[U(s->red)] != e) Excita(s->red, e);
    }
}

bool AsentadorCompilado::Paso(Componentes& componentes) {
    bool cambio = false;
    movidas.clear();
    for (const int c : cola.Actuales()) {
        Componente& chip = componentes[U(c)];
        // Gate by gate, a chip changed nothing unless one of its gates below moves.
        if (VaPorPuertas(c)) {
            chip.Evaluado(false);
            continue;
        }
        if (const PuertasCompiladas* puertas = circuito.PuertasDe(c))
            chip.CalculaFuncionesCon([puertas](bool* valores) { return puertas->Calcula(valores); });
        else
            chip.CalculaFunciones();
        if (chip.HayCambio()) {
            cambio = true;
            // A chip whose outputs just moved is looked at again, as the plain loop would.
            cola.Marca(c);
        }
    }
    for (const int g : colaDePuertas.Actuales()) {
        const int c = circuito.Suelta(g).chip;
        if (!VaPorPuertas(c)) continue;
        Componente& chip = componentes[U(c)];
        if (!CalculaPuerta(g, chip)) continue;
        movidas.push_back(g);
        chip.Evaluado(true);
        cambio = true;
        cola.Marca(c);
    }
    for (const int c : cola.Actuales()) {
        if (!VaPorPuertas(c)) ExcitaSalidas(c, componentes[U(c)]);
    }
    // A gate chip without faults drives its levels as they stand in its table.
    for (const int g : movidas) {
        const CircuitoCompilado::PuertaSuelta& puerta = circuito.Suelta(g);
        if (puerta.red < 0) continue;
        const char e = componentes[U(puerta.chip)].Estado(puerta.pin);
        if (nivel[U(puerta.red)] != e) Excita(puerta.red, e);
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

    bool cambio = false;
    if (bTodo) {
        bTodo = false;
        cola.Olvida();
        colaDePuertas.Olvida();
        cambio = PasoCompleto(componentes);
    } else {
        MiraLoQueCambioFuera(componentes);
        Avanza();
        cambio = Paso(componentes);
    }
    int n = 1;
    informa(n);
    // A chip whose last evaluation moved an output is always evaluated in the next
    // iteration, so every chip left out would answer no change: the plain loop's test
    // (any chip changed) looks at the evaluated ones only.
    while (cambio && n < limite) {
        Avanza();
        cambio = Paso(componentes);
        ++n;
        informa(n);
    }
    Vuelca();
    return n;
}

}  // namespace velistra
