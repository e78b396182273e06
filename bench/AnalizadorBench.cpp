// The logic analyser's share of a tick: the counters on ten breadboards ticking, with no
// channel and with all sixteen on chip outputs across the breadboards. The record is
// full after the first 100 000 ticks, so the long runs measure the ring too.
#include <benchmark/benchmark.h>

#include "bench/Generador.h"
#include "bench/MesaDeBanco.h"
#include "modelo/Componente.h"
#include "simulacion/AnalizadorLogico.h"

namespace velistra::banco {

namespace {

void BM_TicConAnalizador(benchmark::State& state) {
    const Pedido pedido{Familia::Contadores, 10};
    const auto banco = MesaComprobada(pedido);
    Mesa& mesa = banco->mesa;
    AnalizadorLogico analizador;
    mesa.ConectaAnalizador(&analizador);
    const int canales = static_cast<int>(state.range(0));
    // Pin 3 and pin 12 of chips spread over the list, so every breadboard is read.
    const std::size_t chips = mesa.componentes().size();
    for (int c = 0; c < canales; ++c) {
        const Componente& chip = mesa.componentes()[(static_cast<std::size_t>(c) * chips) / 16];
        const Puerto* hueco = chip.DireccionDeCasilla(c % 2 ? 12 : 3);
        if (hueco == nullptr || !analizador.AnadeCanal(mesa, chip.NumeroDeProtoboard(), hueco->Indice()))
            state.SkipWithError("canal no añadido");
    }
    for (auto _ : state) benchmark::DoNotOptimize(mesa.Temporiza());
    mesa.ConectaAnalizador(nullptr);
    state.SetLabel(NombreDeCircuito(pedido));
    state.counters["canales"] = static_cast<double>(analizador.Canales().size());
    state.counters["muestras"] = static_cast<double>(analizador.NumeroDeMuestras());
}
BENCHMARK(BM_TicConAnalizador)->ArgName("canales")->Arg(0)->Arg(16)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace

}  // namespace velistra::banco
