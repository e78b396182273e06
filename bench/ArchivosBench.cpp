// Circuit files: writing and reading the largest workbenches, and a whole run of
// velistra-cli on one file (read, switch on, work the lever or the timer, show the lamps).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/Generador.h"
#include "bench/Guiones.h"
#include "bench/MesaDeBanco.h"
#include "cli/LineaDeOrdenes.h"
#include "persistencia/ArchivoDeCircuito.h"

namespace velistra::banco {

namespace {

Pedido PedidoDe(const benchmark::State& state) {
    return {static_cast<Familia>(state.range(0)), static_cast<int>(state.range(1))};
}

void ConCircuitos(benchmark::internal::Benchmark* b) {
    b->ArgNames({"familia", "protoboards"});
    for (int familia = 0; familia < 3; ++familia) {
        for (int n : {1, 10}) b->Args({familia, n});
    }
}

void Cuenta(benchmark::State& state, const Mesa& mesa, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["cables"] = static_cast<double>(mesa.cables().Lista().size());
    state.counters["chips"] = static_cast<double>(mesa.componentes().size());
}

void BM_Guarda(benchmark::State& state) {
    const Pedido pedido = PedidoDe(state);
    const auto banco = MesaComprobada(pedido);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream salida;
        EscribeCircuito(banco->mesa, salida);
        bytes = salida.view().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetLabel(NombreDeCircuito(pedido));
    Cuenta(state, banco->mesa, bytes);
}
BENCHMARK(BM_Guarda)->Apply(ConCircuitos)->Unit(benchmark::kMicrosecond);

void BM_Lee(benchmark::State& state) {
    const Pedido pedido = PedidoDe(state);
    const std::string texto = TextoDeCircuito(MesaComprobada(pedido)->mesa);
    MesaDeBanco leida;
    for (auto _ : state) {
        std::istringstream entrada(texto);
        if (LeeCircuito(leida.mesa, entrada) != ResultadoDeLectura::Correcto) {
            state.SkipWithError("el circuito no se lee");
            return;
        }
    }
    // What was read must still be the working circuit.
    if (const std::string problema = Problema(leida, pedido.familia); !problema.empty())
        Aborta(NombreDeCircuito(pedido), "leído: " + problema);
    state.SetLabel(NombreDeCircuito(pedido));
    Cuenta(state, leida.mesa, texto.size());
}
BENCHMARK(BM_Lee)->Apply(ConCircuitos)->Unit(benchmark::kMicrosecond);

// Runs `velistra-cli simular` on the checked circuit with the script made by `guion`,
// from files on disk, as often as the measurement asks; answers what the last run printed
// (empty when it failed: the measurement then carries the error).
template <typename HazGuion>
std::string MideConsola(benchmark::State& state, const Pedido& pedido, HazGuion guionDe) {
    const std::filesystem::path carpeta = std::filesystem::temp_directory_path() / "velistra-banco";
    std::filesystem::create_directories(carpeta);
    const std::string circuito = (carpeta / (NombreDeCircuito(pedido) + ".txt")).string();
    const std::string guion = (carpeta / (NombreDeCircuito(pedido) + ".guion")).string();
    {
        const auto banco = MesaComprobada(pedido);
        if (!GuardaCircuitoEnArchivo(banco->mesa, circuito)) Aborta(circuito, "no se guarda");
        std::ofstream(guion) << guionDe(banco->mesa);
    }
    const std::vector<std::string> argumentos{"simular", circuito, "--guion", guion};
    std::istringstream nada;
    std::ostringstream salida;
    std::ostringstream errores;
    for (auto _ : state) {
        salida.str({});
        if (consola::EjecutaLineaDeOrdenes(argumentos, nada, salida, errores) != 0) {
            state.SkipWithError(errores.str().c_str());
            salida.str({});
            break;
        }
    }
    std::filesystem::remove(circuito);
    std::filesystem::remove(guion);
    return salida.str();
}

// A teacher's run of one file, from the file on disk to the printed lamps.
void BM_Consola(benchmark::State& state) {
    const Pedido pedido = PedidoDe(state);
    const std::string salida = MideConsola(
        state, pedido, [&](const Mesa& mesa) { return GuionDeEjemplo(mesa, pedido.familia); });
    if (salida.empty()) return;
    // The lever reaches the last lamp (the counters' run shows a count).
    if (pedido.familia != Familia::Contadores && salida.find("00000001") == std::string::npos)
        Aborta(NombreDeCircuito(pedido),
               "velistra-cli no muestra la lámpara del final encendida:\n" + salida);
    state.SetLabel(NombreDeCircuito(pedido));
    state.counters["archivos"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Consola)->Apply(ConCircuitos)->Unit(benchmark::kMicrosecond);

// Whole velistra-cli runs of long lever scripts: the NAND adder through its vectors,
// the ripple counter through 100 000 clock cycles (the runner refuses scripts over 4 MB,
// so the adder runs 200 000 vectors).
void BM_GuionLargo(benchmark::State& state) {
    const Pedido pedido{static_cast<Familia>(state.range(0)), 1};
    const int lineas = static_cast<int>(state.range(1));
    const std::string salida = MideConsola(
        state, pedido, [&](const Mesa& mesa) { return GuionLargo(mesa, pedido.familia, lineas); });
    if (salida.empty()) return;
    state.SetLabel(NombreDeCircuito(pedido) + " " + salida.substr(0, salida.find('\n')));
    const double n = static_cast<double>(state.iterations());
    if (pedido.familia == Familia::SumadorNand)
        state.counters["vectores"] = benchmark::Counter(n * lineas, benchmark::Counter::kIsRate);
    else
        state.counters["ciclos"] = benchmark::Counter(n * lineas / 2, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GuionLargo)
    ->ArgNames({"familia", "lineas"})
    ->Args({static_cast<int>(Familia::SumadorNand), 200000})
    ->Args({static_cast<int>(Familia::ContadorRizado), 200000})
    ->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace velistra::banco
