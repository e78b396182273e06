// Settling: a lever flip on workbenches of growing size, and one iteration of the
// settling loop against the ports it drives.
#include <benchmark/benchmark.h>

#include "bench/Generador.h"
#include "bench/Medidas.h"
#include "bench/MesaDeBanco.h"
#include "tableros/TableroDePalancas.h"

namespace velistra::banco {

namespace {

using benchmark::Counter;

Pedido PedidoDe(const benchmark::State& state) {
    return {static_cast<Familia>(state.range(0)), static_cast<int>(state.range(1)), false,
            static_cast<int>(state.range(2))};
}

void ConCircuitos(benchmark::internal::Benchmark* b) {
    b->ArgNames({"familia", "protoboards", "abanico"});
    for (int familia = 0; familia < 3; ++familia) {
        for (int n : {1, 4, 10}) b->Args({familia, n, 0});
    }
}

// Inverters on one breadboard with every output's net reaching through more strips.
void ConAbanicos(benchmark::internal::Benchmark* b) {
    b->ArgNames({"familia", "protoboards", "abanico"});
    for (int tiras : {1, 2, 4, 8, 16}) b->Args({static_cast<int>(Familia::Inversores), 1, tiras});
}

// The chains on every settling loop, interleaved in one run: `bucle` 0 is the compiled
// one (the default), 1 the plain loop (every chip every iteration), 2 the one that drives
// what changed through the ports.
void ConBucles(benchmark::internal::Benchmark* b) {
    b->ArgNames({"familia", "protoboards", "abanico", "bucle"});
    for (int familia = 0; familia < 3; ++familia) {
        for (int n : {1, 2, 4, 10}) {
            for (int bucle : {0, 1, 2}) b->Args({familia, n, 0, bucle});
        }
    }
}

constexpr Mesa::Asentamiento kBucles[] = {Mesa::Asentamiento::Compilado, Mesa::Asentamiento::Completo,
                                          Mesa::Asentamiento::PorCambios};

// The lever flipped as the mouse flips it, up and down in turn.
void BM_Palanca(benchmark::State& state) {
    const Pedido pedido = PedidoDe(state);
    const auto banco = MesaComprobada(pedido);
    Mesa& mesa = banco->mesa;
    mesa.EligeAsentamiento(kBucles[state.range(3)]);
    TableroDePalancas& palancas = Palancas(mesa);
    const int iteraciones =
        IteracionesDeUnCambio(mesa, palancas) + IteracionesDeUnCambio(mesa, palancas);
    bool nivel = palancas.EstadoDeEntrada(kPalanca) != 0;
    for (auto _ : state) {
        nivel = !nivel;
        mesa.PonEntrada(palancas, kPalanca, nivel);
    }
    if (banco->avisos.mostrados > 0) state.SkipWithError("límite de iteraciones alcanzado");
    const double chips = static_cast<double>(mesa.componentes().size());
    const double porCambio = iteraciones / 2.0;
    state.SetLabel(NombreDeCircuito(pedido));
    state.counters["chips"] = chips;
    state.counters["iteraciones"] = porCambio;
    state.counters["asentamientos"] =
        Counter(static_cast<double>(state.iterations()), Counter::kIsRate);
    state.counters["evaluaciones"] =
        Counter(static_cast<double>(state.iterations()) * porCambio * chips, Counter::kIsRate);
    // A chain of inverters toggles one gate per iteration but the confirming one.
    if (pedido.familia == Familia::Inversores)
        state.counters["conmutaciones"] =
            Counter(static_cast<double>(state.iterations()) * (porCambio - 1), Counter::kIsRate);
}
BENCHMARK(BM_Palanca)->Apply(ConBucles)->Unit(benchmark::kMicrosecond);

// One iteration of a settled circuit (the loop stops after one): every chip computes,
// then every chip drives its outputs over their nets. `parte` 1 times only the
// computing, 2 only the driving.
void MideIteracion(benchmark::State& state, int parte) {
    const Pedido pedido = PedidoDe(state);
    const auto banco = MesaComprobada(pedido);
    Mesa& mesa = banco->mesa;
    if (mesa.EjecutaFunciones().nIteraciones != 1) {
        state.SkipWithError("el circuito no está asentado");
        return;
    }
    for (auto _ : state) {
        if (parte == 1)
            mesa.componentes().CalculaFunciones();
        else if (parte == 2)
            mesa.componentes().Transmite();
        else
            benchmark::DoNotOptimize(mesa.EjecutaFunciones().nIteraciones);
    }
    const double n = static_cast<double>(state.iterations());
    const double chips = static_cast<double>(mesa.componentes().size());
    const double puertos = static_cast<double>(PuertosEscritosPorIteracion(mesa));
    state.SetLabel(NombreDeCircuito(pedido));
    state.counters["chips"] = chips;
    state.counters["puertos"] = puertos;
    // Seconds per chip and per port written, shown with SI prefixes (n = nanoseconds).
    state.counters["s_por_chip"] = Counter(n * chips, Counter::kIsRate | Counter::kInvert);
    state.counters["s_por_puerto"] = Counter(n * puertos, Counter::kIsRate | Counter::kInvert);
}

void BM_Iteracion(benchmark::State& state) { MideIteracion(state, 0); }
void BM_IteracionCalcula(benchmark::State& state) { MideIteracion(state, 1); }
void BM_IteracionTransmite(benchmark::State& state) { MideIteracion(state, 2); }
BENCHMARK(BM_Iteracion)->Apply(ConCircuitos)->Apply(ConAbanicos)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IteracionCalcula)
    ->Apply(ConCircuitos)
    ->Apply(ConAbanicos)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IteracionTransmite)
    ->Apply(ConCircuitos)
    ->Apply(ConAbanicos)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace velistra::banco
