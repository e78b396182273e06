// Workbench rules that no other test pinned down: what switching the supply on again
// does to chips that hold a value, which of two overlapping boards takes a click, and
// what a key does on a board nobody fed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Montaje.h"
#include "tableros/TableroDeLuces.h"
#include "tableros/TableroDePalancas.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/Sesion.h"
#include "support/DialogosDePrueba.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

std::string Lamparas(const Tablero& leds) {
    const auto& luces = dynamic_cast<const TableroDeLuces&>(leds);
    std::string estado;
    for (int i = 0; i < luces.NumeroDeSalidas(); ++i) estado += luces.EstadoDeLed(i) ? '1' : '0';
    return estado;
}

// Every port of every board, in board order.
std::string Puertos(Mesa& mesa) {
    std::string estados;
    for (const auto& t : mesa.tablero()) {
        for (int i = 0; i < t->NumeroDePuertos(); ++i) estados += t->DireccionDePuerto(i)->Estado();
        estados += '|';
    }
    return estados;
}

TEST(ReglasDeLaMesa, AlVolverAEncenderCadaChipEmpiezaDeCero) {
    // The 74194 example: key 0 of board 4 the serial input, key 1 the clock, QA..QD on
    // lamps 0-3 of board 5.
    AvisosMudos avisos;
    Mesa mesa(avisos);
    mesa.InicializaMesa();
    ASSERT_EQ(RecuperaCircuitoDeArchivo(mesa, VELISTRA_REGISTRO), ResultadoDeLectura::Correcto);
    Tablero& teclas = *mesa.tablero()[3];
    const Tablero& leds = *mesa.tablero()[4];
    ASSERT_EQ(teclas.Identificador(), 4);
    mesa.ConmutaFuente();
    for (int paso = 0; paso < 2; ++paso) {
        mesa.PonEntrada(teclas, 0, true);
        mesa.PonEntrada(teclas, 1, true);
        mesa.PonEntrada(teclas, 1, false);
        mesa.PonEntrada(teclas, 0, false);
    }
    ASSERT_EQ(Lamparas(leds), "11000000");
    mesa.ConmutaFuente();
    EXPECT_EQ(Lamparas(leds), "00000000");
    // The register does not come back with what it held before the supply went off.
    mesa.ConmutaFuente();
    EXPECT_EQ(Lamparas(leds), "00000000");
    mesa.PonEntrada(teclas, 1, true);
    mesa.PonEntrada(teclas, 1, false);
    EXPECT_EQ(Lamparas(leds), "00000000");
}

TEST(ReglasDeLaMesa, DeDosTablerosSolapadosElClicEsDelPrimeroDeLaLista) {
    prueba::AvisosDePrueba avisos;
    prueba::DialogosDePrueba dialogos;
    Sesion sesion(avisos, dialogos);
    // From the menu, the second lands 10 points right of and below the first, over it.
    sesion.Ejecuta(comandos::kInterruptores);
    sesion.Ejecuta(comandos::kInterruptores);
    Tablero& primero = *sesion.mesa.tablero()[2];
    Tablero& segundo = *sesion.mesa.tablero()[3];
    ASSERT_EQ(segundo.EsquinaX(), primero.EsquinaX() + 10);

    int x = -1;
    int y = -1;
    for (int j = segundo.EsquinaY(); j < primero.EsquinaY() + primero.Altura() && x < 0; ++j) {
        for (int i = segundo.EsquinaX(); i < primero.EsquinaX() + primero.Anchura(); ++i) {
            if (primero.EntradaEn(i, j) && segundo.EntradaEn(i, j)) {
                x = i;
                y = j;
                break;
            }
        }
    }
    ASSERT_GE(x, 0) << "las palancas no se solapan";
    ASSERT_TRUE(primero.EntradaEn(x, y));
    const int palanca = dynamic_cast<TableroDePalancas&>(primero).EntradaSeleccionada();

    for (bool encendida : {false, true}) {
        SCOPED_TRACE(encendida ? "con la fuente encendida" : "con la fuente apagada");
        if (sesion.mesa.bON() != encendida) sesion.mesa.ConmutaFuente();
        const unsigned char antes = primero.EstadoDeEntrada(palanca);
        sesion.BotonIzquierdoAbajo(x, y);
        sesion.BotonIzquierdoArriba(x, y);
        EXPECT_NE(primero.EstadoDeEntrada(palanca), antes);
        for (int i = 0; i < TableroDePalancas::kPalancas; ++i)
            EXPECT_EQ(segundo.EstadoDeEntrada(i), 0) << "palanca " << i;
    }
}

// Key 0 of a push-button board wired to lamp 0; the board fed through its own terminals
// or not at all.
struct Pulsador {
    explicit Pulsador(bool alimentado) {
        Tablero& p = m.Agrega(Tablero::kProtoboard, {110, 110});
        m.AlimentaBuses(p);
        teclas = &m.Agrega(Tablero::kPulsadores, {330, 420});
        leds = &m.Agrega(Tablero::kLeds, {560, 420});
        m.Cablea(*teclas, 0, *leds, 0);
        m.PuertoAGnd(p, *leds, 8);
        if (alimentado) m.AlimentaTiras(p, *teclas);
        m.mesa.ConmutaFuente();
    }
    ejemplos::Montaje m;
    Tablero* teclas = nullptr;
    Tablero* leds = nullptr;
};

TEST(ReglasDeLaMesa, UnPulsadorSinAlimentarNoCambiaNingunPuerto) {
    Pulsador sin(false);
    const std::string antes = Puertos(sin.m.mesa);
    sin.m.mesa.PonEntrada(*sin.teclas, 0, true);
    EXPECT_EQ(sin.teclas->EstadoDeEntrada(0), 1);
    EXPECT_EQ(Puertos(sin.m.mesa), antes);
    EXPECT_EQ(Lamparas(*sin.leds), "00000000");
    sin.m.mesa.PonEntrada(*sin.teclas, 0, false);
    EXPECT_EQ(Puertos(sin.m.mesa), antes);

    // Fed, the same key lights the lamp: the wiring is right.
    Pulsador con(true);
    con.m.mesa.PonEntrada(*con.teclas, 0, true);
    EXPECT_EQ(Lamparas(*con.leds), "10000000");
}

}  // namespace
}  // namespace velistra
