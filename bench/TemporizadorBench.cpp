// The timer: ticks of a circuit whose clock reaches counters on every breadboard.
#include <benchmark/benchmark.h>

#include "bench/Generador.h"
#include "bench/Medidas.h"
#include "bench/MesaDeBanco.h"

namespace velistra::banco {

namespace {

using benchmark::Counter;

// The clock pattern repeats every 20 ticks; two rounds give the mean work of a tick.
constexpr int kTicsDeMuestra = 40;

void BM_Tic(benchmark::State& state) {
    const Pedido pedido{Familia::Contadores, static_cast<int>(state.range(0))};
    const auto banco = MesaComprobada(pedido);
    Mesa& mesa = banco->mesa;
    int iteraciones = 0;
    for (int i = 0; i < kTicsDeMuestra; ++i) iteraciones += IteracionesDeUnTic(mesa);
    for (auto _ : state) benchmark::DoNotOptimize(mesa.Temporiza());
    if (banco->avisos.mostrados > 0) state.SkipWithError("límite de iteraciones alcanzado");
    const double n = static_cast<double>(state.iterations());
    const double chips = static_cast<double>(mesa.componentes().size());
    const double porTic = static_cast<double>(iteraciones) / kTicsDeMuestra;
    state.SetLabel(NombreDeCircuito(pedido));
    state.counters["chips"] = chips;
    state.counters["iteraciones"] = porTic;
    state.counters["tics"] = Counter(n, Counter::kIsRate);
    state.counters["evaluaciones"] = Counter(n * porTic * chips, Counter::kIsRate);
    // The share of the 47 ms period one tick takes.
    state.counters["parte_del_periodo"] =
        Counter(n * kPeriodoDelTemporizador, Counter::kIsRate | Counter::kInvert);
}
BENCHMARK(BM_Tic)->ArgName("protoboards")->Arg(1)->Arg(4)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace velistra::banco
