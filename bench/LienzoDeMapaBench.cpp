// The browser's repaint: after a change (a lamp goes on or off), the page draws the
// whole part of the workbench it shows, 1280 x 800, through the std-only canvas, with
// the desktop's pictures as the build made them. The page has 16 ms for it.
#include <benchmark/benchmark.h>

#include "bench/MesaDeBanco.h"
#include "sesion/PintaMesa.h"
#include "tableros/TableroDeLuces.h"
#include "web/lienzo/LienzoDeMapa.h"

namespace velistra::banco {

namespace {

void BM_PaginaTrasUnCambio(benchmark::State& state) {
    web::RecursosDeMapa recursos;
    if (!recursos.CargaCarpeta(VELISTRA_RECURSOS_WEB)) {
        state.SkipWithError("faltan los recursos de la página");
        return;
    }
    const auto banco = MesaComprobada({Familia::Sumadores, kMaximoDeProtoboards, true});
    Mesa& mesa = banco->mesa;
    Tablero* leds = nullptr;
    for (auto& t : mesa.tablero())
        if (t->Tipo() == Tablero::kLeds && leds == nullptr) leds = t.get();
    Puerto* entrada = leds != nullptr ? leds->DireccionDePuerto(6) : nullptr;
    if (entrada == nullptr) {
        state.SkipWithError("no hay leds");
        return;
    }
    web::MapaDeBits pagina(1280, 800);
    const int x = std::max(0, leds->EsquinaX() - 640), y = std::max(0, leds->EsquinaY() - 400);
    bool encendida = false;
    for (auto _ : state) {
        encendida = !encendida;
        entrada->Estado(encendida ? '1' : '0');
        pagina.Llena(web::PixelDe(Rgb(255, 255, 255)));
        web::LienzoDeMapa lienzo(pagina, recursos, x, y);
        PintaMesa(mesa, lienzo);
        benchmark::DoNotOptimize(pagina.Bytes());
    }
    state.counters["cables"] = static_cast<double>(mesa.cables().Lista().size());
    state.counters["chips"] = static_cast<double>(mesa.componentes().size());
}
BENCHMARK(BM_PaginaTrasUnCambio)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace velistra::banco
