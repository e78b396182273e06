#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "plataforma/CatalogoDeTextos.h"
#include "simulacion/Mesa.h"
#include "simulacion/Sonda.h"
#include "support/LienzoDePrueba.h"
#include "support/Montador.h"
#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeTemporizadores.h"

namespace velistra {
namespace {

using prueba::Montador;

std::vector<std::string> EnEspanol(const std::vector<Mensaje>& mensajes) {
    std::vector<std::string> textos;
    for (const Mensaje& m : mensajes) textos.push_back(Formatea(m, Idioma::Espanol));
    return textos;
}

// Supply on the upper bus rows; a 7404 fed from them; lever 0 into inverter 1, whose
// output lights lamp 0. Inverter 2's input is left in the air.
class Sonda : public ::testing::Test {
protected:
    Sonda() {
        mesa.InicializaMesa();
        proto = &m.Coloca(Tablero::kProtoboard, {110, 110});
        palancas = &m.Coloca(Tablero::kInterruptores, {330, 420});
        leds = &m.Coloca(Tablero::kLeds, {560, 420});
        m.Cablea(*mesa.fuentedc(), TableroDeFuenteDC::kPrimerVcc, *proto, prueba::HoyoDeBus(0, 0), 0);
        m.Cablea(*mesa.fuentedc(), TableroDeFuenteDC::kPrimerGnd, *proto, prueba::HoyoDeBus(1, 0), 0);
        m.Cablea(*palancas, 24, *proto, prueba::HoyoDeBus(0, 1), 0);
        m.Cablea(*palancas, 25, *proto, prueba::HoyoDeBus(1, 1), 0);
        m.Cablea(*leds, 8, *proto, prueba::HoyoDeBus(1, 2), 0);
        chip = m.Enchufa(7004, *proto, 10);
        m.Cablea(m.Pin(chip, 14), m.Terminal(*proto, prueba::HoyoDeBus(0, 10)), 0);
        m.Cablea(m.Pin(chip, 7), m.Terminal(*proto, prueba::HoyoDeBus(1, 10)), 0);
        m.Cablea(m.Terminal(*palancas, 0), m.Pin(chip, 1), 0);
        m.Cablea(m.Pin(chip, 2), m.Terminal(*leds, 0), 0);
        mesa.ConmutaFuente();
    }

    LecturaDeSonda En(Tablero& t, int puerto) {
        const Punto c = m.Centro(t, puerto);
        const std::optional<LecturaDeSonda> lectura = Sondea(mesa, c.x, c.y);
        EXPECT_TRUE(lectura.has_value());
        return lectura.value_or(LecturaDeSonda{});
    }

    LecturaDeSonda EnPin(int pin) {
        const prueba::PosicionDePin p = prueba::PosicionDe(14, 10, pin);
        // The row farthest from the channel: the chip hides the rows beside it.
        return En(*proto, p.superior ? prueba::HoyoSuperior(p.columna, 0)
                                     : prueba::HoyoInferior(p.columna, 4));
    }

    // How many members of the net each board holds, by identifier.
    static std::map<int, int> PorTablero(const LecturaDeSonda& l) {
        std::map<int, int> n;
        for (const MiembroDeRed& m : l.miembros) ++n[m.tablero->Identificador()];
        return n;
    }

    prueba::AvisosDePrueba avisos;
    Mesa mesa{avisos};
    Montador m{mesa};
    Tablero* proto = nullptr;
    Tablero* palancas = nullptr;
    Tablero* leds = nullptr;
    prueba::ChipColocado chip;
};

TEST_F(Sonda, UnaSalidaLlegaPorSuTiraYSuCableHastaLaLampara) {
    const LecturaDeSonda lampara = En(*leds, 0);
    EXPECT_EQ(lampara.nivel, '1');
    EXPECT_EQ(EnEspanol(lampara.conductores), std::vector<std::string>{"74LS04 (1) patilla 2"});
    // The lamp's terminal and the five holes of pin 2's strip.
    EXPECT_EQ(PorTablero(lampara),
              (std::map<int, int>{{proto->Identificador(), 5}, {leds->Identificador(), 1}}));
    EXPECT_EQ(TextoDeSonda(lampara), "Nivel alto; lo da 74LS04 (1) patilla 2; 6 puntos unidos");
    // Any point of the net finds the same net.
    EXPECT_EQ(EnPin(2).miembros.size(), lampara.miembros.size());

    mesa.PonEntrada(*palancas, 0, true);
    EXPECT_EQ(En(*leds, 0).nivel, '0');
    const LecturaDeSonda palanca = EnPin(1);
    EXPECT_EQ(palanca.nivel, '1');
    EXPECT_EQ(EnEspanol(palanca.conductores),
              std::vector<std::string>{"interruptores (4) palanca 0"});
    EXPECT_EQ(PorTablero(palanca),
              (std::map<int, int>{{proto->Identificador(), 5}, {palancas->Identificador(), 3}}));
}

TEST_F(Sonda, ElBusUneLaFuenteLosTablerosYLaAlimentacionDelChip) {
    const LecturaDeSonda vcc = En(*proto, prueba::HoyoDeBus(0, 30));
    EXPECT_EQ(vcc.nivel, '1');
    EXPECT_EQ(EnEspanol(vcc.conductores), std::vector<std::string>{"fuente DC (1) VCC"});
    // The 60-hole row, pin 14's strip, the supply's four VCC terminals and the levers' VCC.
    EXPECT_EQ(
        PorTablero(vcc),
        (std::map<int, int>{{1, 4}, {proto->Identificador(), 65}, {palancas->Identificador(), 1}}));
    const LecturaDeSonda gnd = En(*leds, 8);
    EXPECT_EQ(gnd.nivel, '0');
    EXPECT_EQ(EnEspanol(gnd.conductores), std::vector<std::string>{"fuente DC (1) GND"});
    EXPECT_EQ(gnd.miembros.size(), 4u + 60u + 5u + 1u + 1u);

    mesa.ConmutaFuente();
    EXPECT_EQ(En(*proto, prueba::HoyoDeBus(0, 30)).nivel, 'Z');
}

TEST_F(Sonda, UnaEntradaAlAireFlotaYNadieLaExcita) {
    const LecturaDeSonda aire = EnPin(3);
    EXPECT_EQ(aire.nivel, 'Z');
    EXPECT_TRUE(aire.conductores.empty());
    EXPECT_EQ(PorTablero(aire), (std::map<int, int>{{proto->Identificador(), 5}}));
    EXPECT_EQ(TextoDeSonda(aire),
              "Nivel flotante (Z, una entrada TTL lo lee como alto); 5 puntos unidos");
    // It reads as high: the inverter behind it gives low.
    EXPECT_EQ(EnPin(4).nivel, '0');
    // Off the terminals there is nothing to probe, nor on a chip, whatever holes it hides.
    EXPECT_FALSE(Sondea(mesa, proto->EsquinaX() + 2, proto->EsquinaY() + 140).has_value());
    const Punto tapado = m.Centro(*proto, prueba::HoyoSuperior(11, 4));
    EXPECT_FALSE(Sondea(mesa, tapado.x, tapado.y).has_value());
}

// Centres come from the boards' tables, not from a hit test; they must be exactly where the
// mouse finds each port, on every board there is. A hidden timer board shows none.
TEST(CentroDePuerto, EsDondeElRatonEncuentraCadaPuerto) {
    prueba::AvisosDePrueba avisos;
    Mesa mesa{avisos};
    mesa.InicializaMesa();
    auto& reloj = dynamic_cast<TableroDeTemporizadores&>(*mesa.reloj());
    EXPECT_FALSE(reloj.CentroDePuerto(0).has_value());
    mesa.MuestraTemporizador();
    for (int tipo : {Tablero::kProtoboard, Tablero::kInterruptores, Tablero::kPulsadores,
                     Tablero::kLeds, Tablero::kSieteSegmentos})
        mesa.AgregaTablero(tipo);
    Montador m(mesa);
    for (auto& t : mesa.tablero()) {
        for (int i = 0; i < t->NumeroDePuertos(); ++i) {
            const std::optional<Punto> centro = t->CentroDePuerto(i);
            ASSERT_TRUE(centro.has_value()) << "tablero " << t->Tipo() << ", puerto " << i;
            EXPECT_EQ(*centro, m.Centro(*t, i)) << "tablero " << t->Tipo() << ", puerto " << i;
        }
    }
}

TEST_F(Sonda, EnInglesCadaParteDeLaLecturaSeDiceEnIngles) {
    EXPECT_EQ(TextoDeSonda(En(*leds, 0), Idioma::Ingles),
              "High level; driven by 74LS04 (1) pin 2; 6 points joined");
    EXPECT_EQ(TextoDeSonda(En(*leds, 8), Idioma::Ingles),
              "Low level; driven by DC supply (1) GND; 71 points joined");
    mesa.PonEntrada(*palancas, 0, true);
    EXPECT_EQ(Formatea(EnPin(1).conductores.front(), Idioma::Ingles), "switches (4) lever 0");
}

}  // namespace
}  // namespace velistra
