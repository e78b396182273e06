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
    cola.Prepara(chips);
    // Every chip that can go by parts starts as if evaluated whole, until it is looked at.
    porPartes.assign(chips, 0);
    nConFallos = 0;
    for (int c = 0; c < static_cast<int>(chips); ++c) nConFallos += circuito.VaPorPartes(c);
    conCambio.Prepara(chips);
    bReleeAlimentacion = true;
    pideEntero.assign(chips, 0);
    enteros.Prepara(chips);
    colaDePartes.Prepara(U(circuito.NumeroDePartes()));
    // A flip-flop moves two outputs.
    movidas.Prepara(2 * U(circuito.NumeroDePartes()));
}

void AsentadorCompilado::PonPorPartes(int c, const Componente& chip) {
    if (!circuito.VaPorPartes(c)) return;
    const char antes = porPartes[U(c)];
    porPartes[U(c)] = !chip.TieneFallos();
    nConFallos += antes - porPartes[U(c)];
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
    // A chip going part by part is told through its parts.
    for (auto [c, fin] = nConFallos > 0 ? circuito.LectoresDe(red) : circuito.LectoresEnterosDe(red); c != fin; ++c)
        cola.Marca(*c);
    for (auto [p, fin] = circuito.PartesQueLeen(red); p != fin; ++p) colaDePartes.Marca(*p);
}

inline void AsentadorCompilado::Excita(int red, char e) {
    nivel[U(red)] = e;
    for (auto [p, fin] = circuito.PuertosDe(red); p != fin; ++p) (*p)->EstadoDelPuerto(e);
    MarcaLectores(red);
}

// Between settlings only the instruments write levels, through the ports, and only a
// switch-on, a restart or a planted fault asks a chip for an evaluation otherwise. Chips
// left marked by a settling cut at the limit stay marked.
void AsentadorCompilado::MiraLoQueCambioFuera(Componentes& componentes) {
    conCambio.Limpia();
    for (const auto& [r, terminal] : circuito.RedesExcitadasPorTableros()) {
        const char e = terminal->Estado();
        if (e == nivel[U(r)]) continue;
        nivel[U(r)] = e;
        MarcaLectores(r);
        bReleeAlimentacion = true;
    }
    const int chips = static_cast<int>(componentes.size());
    for (int c = 0; c < chips; ++c) {
        const Componente& chip = componentes[U(c)];
        if (!chip.PidePorSiMismo()) continue;
        PonPorPartes(c, chip);
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
        PonPorPartes(c, chip);
        if (chip.HayCambio() || chip.PideEvaluacion()) {
            PideEntero(c);
        }
    }
    return cambio;
}

inline bool AsentadorCompilado::CalculaParte(const CircuitoCompilado::ParteSuelta& parte, Componente& chip) {
    const CircuitoCompilado::Lectura* l = circuito.LecturasDePartes() + parte.primeraLectura;
    // Ground and supply are the part's last reads.
    const CircuitoCompilado::Lectura* const tierra = circuito.LecturasDePartes() + parte.finLecturas - 2;
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
    if (bReleeAlimentacion || !parte.alimentacionFija) {
        chip.LeePin(tierra[0].pin, nivel[U(tierra[0].red)]);
        chip.LeePin(tierra[1].pin, nivel[U(tierra[1].red)]);
    }
    const bool alimentado = !valores[tierra[0].pin] & valores[tierra[1].pin];
    if (parte.forma == CircuitoCompilado::ParteSuelta::kBiestable) return CalculaBiestable(parte, valores, alimentado, chip);
    bool nuevo = false;
    bool movio = false;
    if (parte.forma == PuertasCompiladas::kGeneral) {
        movio = PuertasCompiladas::CalculaPuertaEn(parte.codigo, valores, alimentado);
        nuevo = valores[parte.pin];
        chip.EscribeSalida(parte.pin);
    } else {
        const unsigned r = parte.forma == PuertasCompiladas::kY ? y : parte.forma == PuertasCompiladas::kO ? o : x;
        nuevo = alimentado & ((r ^ static_cast<unsigned>(parte.negada)) != 0);
        movio = valores[parte.pin] != nuevo;
        chip.LeePin(parte.pin, static_cast<char>('0' + nuevo));
    }
    if (movio) movidas.Agrega({parte.red, static_cast<char>('0' + nuevo)});
    return movio;
}

// As the chip's model computes one of its flip-flops, on or off, clock level kept.
bool AsentadorCompilado::CalculaBiestable(const CircuitoCompilado::ParteSuelta& parte, bool* valores, bool alimentado,
                                          Componente& chip) {
    const ChipDeBiestables::Registro& b = parte.biestable;
    const bool q = valores[b.q];
    const bool qNegada = valores[b.qNegada];
    if (alimentado) {
        ChipDeBiestables::ActualizaUno(b, parte.nivelTrasElFlanco, valores);
    } else {
        valores[b.q] = false;
        valores[b.qNegada] = false;
    }
    valores[b.anterior] = valores[b.reloj];
    chip.EscribeSalida(b.q);
    chip.EscribeSalida(b.qNegada);
    chip.EscribeSalida(b.anterior);
    const bool movioQ = valores[b.q] != q;
    const bool movioQNegada = valores[b.qNegada] != qNegada;
    if (movioQ) movidas.Agrega({parte.red, static_cast<char>('0' + valores[b.q])});
    if (movioQNegada) movidas.Agrega({parte.redNegada, static_cast<char>('0' + valores[b.qNegada])});
    return movioQ | movioQNegada;
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
        // Back from a whole evaluation that changed it; from now on its parts say.
        if (VaPorPartes(c)) {
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
    // Only a planted fault or a chip asked for whole in this iteration keeps a part's chip
    // from going by parts.
    const bool mirarChips = nConFallos > 0 || !enteros.Vacia();
    for (const int p : colaDePartes.Actuales()) {
        const CircuitoCompilado::ParteSuelta& parte = circuito.Parte(p);
        if (mirarChips && !VaPorPartes(parte.chip)) continue;
        Componente& chip = componentes[U(parte.chip)];
        // Without faults, the chip drives its table's levels.
        if (!CalculaParte(parte, chip)) continue;
        // Not pending: a chip that asks goes whole first.
        if (!chip.HayCambio()) {
            chip.CambioDeSalidas(true);
            conCambio.Agrega(parte.chip);
        }
        cambio = true;
    }
    for (const int c : cola.Actuales()) {
        if (!VaPorPartes(c)) ExcitaSalidas(c, componentes[U(c)]);
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
    // Every port holds its level after each iteration.
    auto informa = [&](int n) {
        if (tras && n >= desde) tras(n);
    };

    bool cambio = false;
    if (bTodo) {
        bTodo = false;
        cola.Olvida();
        colaDePartes.Olvida();
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
    return n;
}

}  // namespace velistra
