#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "tableros/TableroDeInterruptores.h"
#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeTemporizadores.h"
#include "persistencia/MesaDeArchivos.h"

namespace velistra {
namespace {

using prueba::MesaDeArchivos;

constexpr int Superior(int columna, int fila) { return 5 * columna + fila; }
constexpr int Inferior(int columna, int fila) { return 320 + 5 * columna + fila; }

// One board of every kind, the timer shown, wires of every shape between them and chips
// plugged and lying loose: a switch drives a 7404 whose output lights a LED.
struct CircuitoCompleto : MesaDeArchivos {
    CircuitoCompleto()
        : protoboard(Agrega(Tablero::kProtoboard)),
          interruptores(Agrega(Tablero::kInterruptores)),
          pulsadores(Agrega(Tablero::kPulsadores)),
          leds(Agrega(Tablero::kLeds)),
          display(Agrega(Tablero::kSieteSegmentos)),
          pla(Agrega(Tablero::kPLA)) {
        // Apart, so that no point lies on two boards.
        protoboard.UbicaEn(400, 50);
        interruptores.UbicaEn(400, 400);
        pulsadores.UbicaEn(650, 400);
        leds.UbicaEn(900, 400);
        display.UbicaEn(400, 550);
        pla.UbicaEn(1000, 700);
        mesa.MuestraTemporizador();
        Tablero& fuente = *mesa.fuentedc();
        Tablero& reloj = *mesa.reloj();

        EXPECT_TRUE(Suelta(7004, protoboard, Superior(10, 4)).EstaInsertado());
        EXPECT_TRUE(Suelta(7138, protoboard, Superior(30, 4)).EstaInsertado());
        Deja(7074, {1500, 1200});

        const int vcc = interruptores.NumeroDePuertos() - 2;
        EXPECT_TRUE(Cablea(fuente, 0, interruptores, vcc));
        EXPECT_TRUE(Cablea(fuente, 4, interruptores, vcc + 1));
        EXPECT_TRUE(Cablea(interruptores, 0, protoboard, Inferior(10, 2)));  // 7404 pin 1
        const Punto salida = prueba::CentroDePuerto(protoboard, Inferior(11, 2));
        const Punto led = prueba::CentroDePuerto(leds, 0);
        EXPECT_TRUE(Cablea(protoboard, Inferior(11, 2), leds, 0,  // 7404 pin 2, five segments
                           {{salida.x, salida.y + 30},
                            {led.x - 40, salida.y + 30},
                            {led.x - 40, led.y - 20},
                            {led.x, led.y - 20}}));
        EXPECT_TRUE(Cablea(fuente, 1, protoboard, Superior(10, 2)));  // pin 14
        EXPECT_TRUE(Cablea(fuente, 5, protoboard, Inferior(16, 2)));  // pin 7
        EXPECT_TRUE(Cablea(fuente, 6, leds, TableroDeLeds::kLamparas));
        EXPECT_TRUE(Cablea(reloj, 0, display, 0));
        EXPECT_TRUE(Cablea(pulsadores, 3, protoboard, Superior(30, 0)));
        Cable recto = prueba::CableEntre(protoboard, Superior(40, 0), protoboard, Superior(50, 0));
        EXPECT_EQ(recto.Puntos()[1], recto.Puntos()[2]);
        recto.Color(Rgb(12, 34, 56));
        EXPECT_TRUE(mesa.ConectaPuertos(protoboard.DireccionDePuerto(Superior(40, 0)),
                                        protoboard.DireccionDePuerto(Superior(50, 0))));
        mesa.cables().Agrega(recto);
    }

    Tablero& protoboard;
    Tablero& interruptores;
    Tablero& pulsadores;
    Tablero& leds;
    Tablero& display;
    Tablero& pla;
};

// Every port of every board: node, types and what it is joined to, so that two
// workbenches can be compared as a whole.
std::string DescribePuertos(Mesa& mesa) {
    std::map<const Puerto*, std::string> nombres;
    for (std::size_t t = 0; t < mesa.tablero().size(); ++t) {
        for (int i = 0; i < mesa.tablero()[t]->NumeroDePuertos(); ++i)
            nombres[mesa.tablero()[t]->DireccionDePuerto(i)] = std::to_string(t) + ":" + std::to_string(i);
    }
    nombres[mesa.pin()] = "pata";
    std::ostringstream texto;
    for (std::size_t t = 0; t < mesa.tablero().size(); ++t) {
        for (int i = 0; i < mesa.tablero()[t]->NumeroDePuertos(); ++i) {
            const Puerto* p = mesa.tablero()[t]->DireccionDePuerto(i);
            texto << t << ':' << i << ' ' << p->Nodo() << p->Tipo() << p->TipoOriginal()
                  << p->Estado() << ' ' << (p->EstaLibre() ? "-" : nombres[p->OtroPuerto()]) << '\n';
        }
    }
    for (const Componente& chip : mesa.componentes()) {
        texto << chip.Codigo() << (chip.EstaInsertado() ? " enchufado" : " suelto");
        for (int i = 1; i <= chip.NumeroDePines(); ++i)
            texto << ' ' << (chip.TieneCasilla(i) ? nombres[chip.DireccionDeCasilla(i)] : "-");
        texto << '\n';
    }
    return texto.str();
}

TEST(IdaYVueltaDeCircuitos, UnCircuitoNuevoVuelveIgual) {
    MesaDeArchivos m;
    MesaDeArchivos n;
    n.Agrega(Tablero::kProtoboard);
    ASSERT_EQ(n.Carga(m.Texto()), ResultadoDeLectura::Correcto);
    EXPECT_EQ(n.Texto(), m.Texto());
    EXPECT_EQ(DescribePuertos(n.mesa), DescribePuertos(m.mesa));
    EXPECT_FALSE(dynamic_cast<TableroDeTemporizadores&>(*n.mesa.reloj()).EstaVisible());
    EXPECT_EQ(n.mesa.nodoBase(), m.mesa.nodoBase());
    EXPECT_EQ(n.mesa.nIdentificador(), m.mesa.nIdentificador());
}

TEST(IdaYVueltaDeCircuitos, UnCircuitoConTodoVuelveConLasMismasUnionesYFunciona) {
    CircuitoCompleto m;
    const std::string texto = m.Texto();
    MesaDeArchivos n;
    ASSERT_EQ(n.Carga(texto), ResultadoDeLectura::Correcto);
    EXPECT_EQ(n.Texto(), texto);
    EXPECT_EQ(DescribePuertos(n.mesa), DescribePuertos(m.mesa));
    ASSERT_EQ(n.mesa.tablero().size(), m.mesa.tablero().size());
    for (std::size_t i = 0; i < n.mesa.tablero().size(); ++i) {
        EXPECT_EQ(n.mesa.tablero()[i]->Tipo(), m.mesa.tablero()[i]->Tipo());
        EXPECT_EQ(n.mesa.tablero()[i]->NodoBase(), m.mesa.tablero()[i]->NodoBase());
    }
    EXPECT_TRUE(dynamic_cast<TableroDeTemporizadores&>(*n.mesa.reloj()).EstaVisible());
    EXPECT_EQ(n.mesa.cables().Lista()[3].Puntos(), m.mesa.cables().Lista()[3].Puntos());
    EXPECT_EQ(n.mesa.componentes()[2].Ubicacion(), (Punto{1500, 1200}));

    // The loaded circuit works: the LED shows the inverse of the lever.
    n.Enciende();
    auto& interruptores = dynamic_cast<TableroDeInterruptores&>(*n.mesa.tablero()[3]);
    auto& leds = dynamic_cast<TableroDeLeds&>(*n.mesa.tablero()[5]);
    EXPECT_TRUE(leds.EstadoDeLed(0));
    interruptores.SeleccionaEntrada(0);
    interruptores.Conmuta();
    n.mesa.EjecutaFunciones();
    EXPECT_FALSE(leds.EstadoDeLed(0));
}

TEST(IdaYVueltaDeCircuitos, PorUnArchivoDeVerdadVuelveIgual) {
    CircuitoCompleto m;
    const auto ruta = std::filesystem::temp_directory_path() / "velistra-ida-y-vuelta.txt";
    ASSERT_TRUE(GuardaCircuitoEnArchivo(m.mesa, ruta.string()));
    MesaDeArchivos n;
    EXPECT_EQ(RecuperaCircuitoDeArchivo(n.mesa, ruta.string()), ResultadoDeLectura::Correcto);
    std::filesystem::remove(ruta);
    EXPECT_EQ(n.Texto(), m.Texto());
    EXPECT_EQ(DescribePuertos(n.mesa), DescribePuertos(m.mesa));
}

}  // namespace
}  // namespace velistra
