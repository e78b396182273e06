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
    sucias.Prepara(redes);
    cola.Prepara(chips);
    // Every chip that can go by gates starts as if evaluated whole, until it is looked at.
    porPuertas.assign(chips, 0);
    nConFallos = 0;
    for (int c = 0; c < static_cast<int>(chips); ++c) nConFallos += circuito.VaPorPuertas(c);
    conCambio.Prepara(chips);
    bReleeAlimentacion = true;
    pideEntero.assign(chips, 0);
    enteros.Prepara(chips);
    colaDePuertas.Prepara(U(circuito.NumeroDePuertasSueltas()));
    movidas.Prepara(U(circuito.NumeroDePuertasSueltas()));
}

void AsentadorCompilado::PonPorPuertas(int c, const Componente& chip) {
    if (!circuito.VaPorPuertas(c)) return;
    const char antes = porPuertas[U(c)];
    porPuertas[U(c)] = !chip.TieneFallos();
    nConFallos += antes - porPuertas[U(c)];
}

void AsentadorCompilado::PideEntero(int c) {
    if (pideEntero[U(c)] == 0) enteros.Agrega(c);
    pideEntero[U(c)] = 1;
    cola.Marca(c);
}

void AsentadorCompilado::OlvidaEnteros() {
    for (const int c : enteros) pideEntero[U(c)] = 0;
    enteros.Limpia();
}

void AsentadorCompilado::LeeNivel(int red) { nivel[U(red)] = circuito.Representante(red)->Estado(); }

inline void AsentadorCompilado::MarcaLectores(int red) {
    // A chip going gate by gate is told through its gates.
    for (auto [c, fin] = nConFallos > 0 ? circuito.LectoresDe(red) : circuito.LectoresEnterosDe(red); c != fin; ++c)
        cola.Marca(*c);
    for (auto [g, fin] = circuito.PuertasQueLeen(red); g != fin; ++g) colaDePuertas.Marca(*g);
}

inline void AsentadorCompilado::Excita(int red, char e) {
    nivel[U(red)] = e;
    // The chips evaluated whole see the new level at once; nobody else looks before the
    // next Vuelca (a chip going gate by gate reads the levels here).
    for (auto [p, fin] = nConFallos > 0 ? circuito.HoyosLeidosEn(red) : circuito.HoyosLeidosPorEnterosEn(red); p != fin;
         ++p)
        (*p)->EstadoDelPuerto(e);
    MarcaLectores(red);
    if (sucia[U(red)] == 0) {
        sucia[U(red)] = 1;
        sucias.Agrega(red);
    }
}

void AsentadorCompilado::Vuelca() {
    for (const int r : sucias) {
        const char e = nivel[U(r)];
        for (auto [p, fin] = circuito.PuertosDe(r); p != fin; ++p) (*p)->EstadoDelPuerto(e);
        sucia[U(r)] = 0;
    }
    sucias.Limpia();
}

// Between settlings only the instruments write levels, through the ports, and only a
// switch-on, a restart or a planted fault asks a chip for an evaluation otherwise. Chips
// left marked by a settling cut at the limit stay marked.
void AsentadorCompilado::MiraLoQueCambioFuera(Componentes& componentes) {
    conCambio.Limpia();
    for (const auto& [r, terminal] : circuito.RedesDeTableros()) {
        const char e = terminal->Estado();
        if (e == nivel[U(r)]) continue;
        nivel[U(r)] = e;
        MarcaLectores(r);
        bReleeAlimentacion = true;
    }
    for (int c = 0; c < static_cast<int>(componentes.size()); ++c) {
        const Componente& chip = componentes[U(c)];
        if (!chip.PidePorSiMismo()) continue;
        PonPorPuertas(c, chip);
        PideEntero(c);
    }
}

// The plain iteration, through the ports; afterwards every chip reads its pins afresh.
bool AsentadorCompilado::PasoCompleto(Componentes& componentes) {
    conCambio.Limpia();
    componentes.CalculaFunciones();
    componentes.Transmite();
    for (int r = 0; r < circuito.NumeroDeRedes(); ++r) LeeNivel(r);
    const bool cambio = componentes.HayCambio();
    for (int c = 0; c < static_cast<int>(componentes.size()); ++c) {
        const Componente& chip = componentes[U(c)];
        PonPorPuertas(c, chip);
        if (chip.HayCambio() || chip.PideEvaluacion()) {
            PideEntero(c);
        }
    }
    return cambio;
}

inline char AsentadorCompilado::CalculaPuerta(const CircuitoCompilado::PuertaSuelta& puerta, Componente& chip) {
    const CircuitoCompilado::Lectura* l = circuito.LecturasDePuertas() + puerta.primeraLectura;
    // Ground and supply are the gate's last reads.
    const CircuitoCompilado::Lectura* const tierra = circuito.LecturasDePuertas() + puerta.finLecturas - 2;
    // The levels combine as they are read, without branches (in a chain they alternate at
    // every settling) and without reading back what was just written.
    unsigned y = 1;
    unsigned o = 0;
    unsigned x = 0;
    for (; l != tierra; ++l) {
        const char e = nivel[U(l->red)];
        chip.LeePin(l->pin, e);
        const unsigned v = e != '0';
        y &= v;
        o |= v;
        x ^= v;
    }
    bool* valores = chip.Valores();
    // The chip's table holds its ground and supply as they stand, unless an instrument
    // changed them since the last iteration or a chip output drives them.
    if (bReleeAlimentacion || !puerta.alimentacionFija) {
        chip.LeePin(tierra[0].pin, nivel[U(tierra[0].red)]);
        chip.LeePin(tierra[1].pin, nivel[U(tierra[1].red)]);
    }
    const bool alimentado = !valores[tierra[0].pin] & valores[tierra[1].pin];
    if (puerta.forma == PuertasCompiladas::kGeneral) {
        const bool movio = PuertasCompiladas::CalculaPuertaEn(puerta.codigo, valores, alimentado);
        chip.EscribeSalida(puerta.pin);
        return movio ? static_cast<char>('0' + valores[puerta.pin]) : '\0';
    }
    const unsigned r = puerta.forma == PuertasCompiladas::kY ? y : puerta.forma == PuertasCompiladas::kO ? o : x;
    const bool nuevo = alimentado & ((r ^ static_cast<unsigned>(puerta.negada)) != 0);
    const bool movio = valores[puerta.pin] != nuevo;
    const char nivelNuevo = static_cast<char>('0' + nuevo);
    chip.LeePin(puerta.pin, nivelNuevo);
    return movio ? nivelNuevo : '\0';
}

void AsentadorCompilado::ExcitaSalidas(int c, const Componente& chip) {
    for (auto [s, fin] = circuito.SalidasDe(c); s != fin; ++s) {
        const char e = chip.EstadoQueDa(s->pin);
        if (nivel[U(s->red)] != e) Excita(s->red, e);
    }
}

bool AsentadorCompilado::Paso(Componentes& componentes) {
    bool cambio = false;
    // What moved in the last iteration changed nothing yet in this one.
    // Every chip listed was evaluated in it, so none is pending.
    for (const int c : conCambio) componentes[U(c)].CambioDeSalidas(false);
    conCambio.Limpia();
    movidas.Limpia();
    for (const int c : cola.Actuales()) {
        Componente& chip = componentes[U(c)];
        // Back from a whole evaluation that changed it; from now on its gates say.
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
            // The plain loop evaluates it again in the next iteration. On the same pins a
            // model changes nothing then but the flag; a pin that moves marks it anew.
            conCambio.Agrega(c);
        }
    }
    // Only a planted fault or a chip asked for whole in this iteration keeps a gate's chip
    // from going by gates.
    const bool mirarChips = nConFallos > 0 || !enteros.Vacia();
    for (const int g : colaDePuertas.Actuales()) {
        const CircuitoCompilado::PuertaSuelta& puerta = circuito.Suelta(g);
        if (mirarChips && !VaPorPuertas(puerta.chip)) continue;
        Componente& chip = componentes[U(puerta.chip)];
        // Without faults, the chip drives its table's level.
        const char e = CalculaPuerta(puerta, chip);
        if (e == '\0') continue;
        movidas.Agrega({puerta.red, e});
        // Not pending: a chip that asks goes whole first.
        if (!chip.HayCambio()) {
            chip.CambioDeSalidas(true);
            conCambio.Agrega(puerta.chip);
        }
        cambio = true;
    }
    for (const int c : cola.Actuales()) {
        if (!VaPorPuertas(c)) ExcitaSalidas(c, componentes[U(c)]);
    }
    for (const auto& [red, e] : movidas) {
        if (red >= 0 && nivel[U(red)] != e) Excita(red, e);
    }
    if (!circuito.RedesCompartidas().empty()) ExcitaCompartidas(componentes);
    OlvidaEnteros();
    bReleeAlimentacion = false;
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
        OlvidaEnteros();
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
