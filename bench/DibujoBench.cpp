// Drawing: a full repaint of the 2000 x 1500 workbench through the Qt canvas, with
// every kind of board, ten breadboards of chips and hundreds of wires, against the
// 47 ms period of the timer that may ask for one on every tick.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include "bench/Medidas.h"
#include "tableros/TableroDeLuces.h"
#include "bench/MesaDeBanco.h"
#include "plataforma/Recursos.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/plataforma/LienzoQt.h"
#include "sesion/PintaMesa.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra::banco {

namespace {

using benchmark::Counter;

enum Capa { kTodo, kFondo, kTableros, kChips, kCables };

const Imagenes& LasImagenes() {
    static const Imagenes imagenes;
    return imagenes;
}

// Breadboards of adders (the family with the most wires per chip), the supply,
// switches, push-buttons, timer, LEDs, seven-segment displays lit, a PLA with links.
std::unique_ptr<MesaDeBanco> MesaCompleta(int protoboards = kMaximoDeProtoboards) {
    return MesaComprobada({Familia::Sumadores, protoboards, true});
}

// The workbench in the order the window paints it: boards in list order, chips, wires.
void Dibuja(Mesa& mesa, Lienzo& lienzo, int capa) {
    if (capa == kTodo || capa == kTableros) {
        for (auto& t : mesa.tablero()) t->Dibuja(lienzo);
    }
    if (capa == kTodo || capa == kChips) mesa.componentes().Dibuja(lienzo);
    if (capa == kTodo || capa == kCables) mesa.cables().Dibuja(lienzo);
}

void Informa(benchmark::State& state, const Mesa& mesa) {
    state.counters["tableros"] = static_cast<double>(mesa.tablero().size());
    state.counters["chips"] = static_cast<double>(mesa.componentes().size());
    state.counters["cables"] = static_cast<double>(mesa.cables().Lista().size());
    // The share of the 47 ms period one repaint takes.
    state.counters["parte_del_periodo"] =
        Counter(static_cast<double>(state.iterations()) * kPeriodoDelTemporizador,
                Counter::kIsRate | Counter::kInvert);
}

// The canvas alone: cleared to white, then one layer or all of them.
void BM_Lienzo(benchmark::State& state) {
    const int capa = static_cast<int>(state.range(0));
    const auto banco = MesaCompleta(static_cast<int>(state.range(1)));
    const QImage* blanco = LasImagenes().Busca(recursos::Lienzo.id);
    QImage lienzo = blanco != nullptr ? *blanco : QImage(2000, 1500, QImage::Format_RGB32);
    lienzo.convertTo(QImage::Format_RGB32);
    for (auto _ : state) {
        lienzo.fill(Qt::white);
        LienzoQt qt(lienzo, LasImagenes());
        if (capa != kFondo) Dibuja(banco->mesa, qt, capa);
    }
    static const char* const kNombres[] = {"todo", "fondo blanco", "tableros", "chips", "cables"};
    state.SetLabel(kNombres[capa]);
    Informa(state, banco->mesa);
}
void ConCapas(benchmark::internal::Benchmark* b) {
    b->ArgNames({"capa", "protoboards"});
    for (int n : {1, 4}) b->Args({kTodo, n});
    for (int capa = kTodo; capa <= kCables; ++capa) b->Args({capa, kMaximoDeProtoboards});
}
BENCHMARK(BM_Lienzo)->Apply(ConCapas)->Unit(benchmark::kMillisecond);

// The workbench window's own repaint, shown scrolled to the middle: the whole canvas
// drawn, then the visible part copied to the window.
void BM_Ventana(benchmark::State& state) {
    const auto banco = MesaCompleta();
    VentanaDeMesa ventana(LasImagenes());
    ventana.resize(1280, 800);
    long pintados = 0;
    ventana.Dibujante([&](Lienzo& lienzo) {
        Dibuja(banco->mesa, lienzo, kTodo);
        ++pintados;
    });
    ventana.show();
    ventana.horizontalScrollBar()->setValue(400);
    ventana.verticalScrollBar()->setValue(300);
    QApplication::processEvents();
    pintados = 0;
    for (auto _ : state) ventana.viewport()->repaint();
    if (pintados != static_cast<long>(state.iterations()))
        state.SkipWithError("la ventana no se repintó");
    Informa(state, banco->mesa);
}
BENCHMARK(BM_Ventana)->Unit(benchmark::kMillisecond);

// The window as the program sets it up: a kept layer, the lamps over it.
void ConCapa(VentanaDeMesa& ventana, Mesa& mesa) {
    ventana.Escena(
        [&mesa](Lienzo& lienzo, const std::function<void()>& corta) {
            PintaCapaFija(mesa, lienzo, corta);
        },
        [&mesa](Lienzo& lienzo, const std::function<void()>& corta) {
            PintaLuces(mesa, lienzo, corta);
        });
}

std::unique_ptr<VentanaDeMesa> VentanaConCapa(Mesa& mesa) {
    auto ventana = std::make_unique<VentanaDeMesa>(LasImagenes());
    ventana->resize(1280, 800);
    ConCapa(*ventana, mesa);
    ventana->show();
    ventana->horizontalScrollBar()->setValue(400);
    ventana->verticalScrollBar()->setValue(300);
    QApplication::processEvents();
    return ventana;
}

// A whole repaint of the window with the kept layer: nothing changed (expose, scroll
// back) or the layer drawn again from nothing (a board moved, a file opened).
void BM_VentanaConCapa(benchmark::State& state) {
    const bool rehecha = state.range(0) != 0;
    const auto banco = MesaCompleta();
    const auto ventana = VentanaConCapa(banco->mesa);
    for (auto _ : state) {
        if (rehecha) ConCapa(*ventana, banco->mesa);
        ventana->viewport()->repaint();
    }
    state.SetLabel(rehecha ? "capa rehecha" : "nada cambió");
    Informa(state, banco->mesa);
}
BENCHMARK(BM_VentanaConCapa)->ArgName("rehecha")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One lamp goes on or off: the window finds what changed and repaints only that.
void BM_CambioDeLampara(benchmark::State& state) {
    const auto banco = MesaCompleta();
    const auto ventana = VentanaConCapa(banco->mesa);
    Tablero* leds = nullptr;
    for (auto& t : banco->mesa.tablero())
        if (t->Tipo() == Tablero::kLeds && leds == nullptr) leds = t.get();
    // Lamp 6 shows nothing of the circuit: only its own input changes.
    Puerto* entrada = leds != nullptr ? leds->DireccionDePuerto(6) : nullptr;
    if (entrada == nullptr) {
        state.SkipWithError("no hay leds");
        return;
    }
    // The LED board stands at the workbench's right edge.
    ventana->horizontalScrollBar()->setValue(VentanaDeMesa::kAncho - 1280);
    QApplication::processEvents();
    double pixeles = 0;
    bool encendida = false;
    for (auto _ : state) {
        encendida = !encendida;
        entrada->Estado(encendida ? '1' : '0');
        if (static_cast<TableroDeLuces*>(leds)->EstadoDeLed(6) != encendida) {
            state.SkipWithError("la lámpara no cambió");
            return;
        }
        const QRegion repintada = ventana->Actualiza();
        ventana->viewport()->repaint(repintada);
        for (const QRect& r : repintada) pixeles += static_cast<double>(r.width()) * r.height();
    }
    state.counters["pixeles_repintados"] = Counter(pixeles, Counter::kAvgIterations);
    Informa(state, banco->mesa);
}
BENCHMARK(BM_CambioDeLampara)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace velistra::banco

int main(int argc, char** argv) {
    // No display needed: the offscreen platform paints into memory like any other.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
