#include <gtest/gtest.h>

#include "modelo/Componente.h"
#include "simulacion/Mesa.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

// A new workbench with one breadboard at (110, 110), identifier 3.
class Colocacion : public ::testing::Test {
protected:
    Colocacion() {
        mesa.InicializaMesa();
        proto = mesa.AgregaTablero(Tablero::kProtoboard);
    }

    // Hole r of column k in the upper (arriba) or lower terminal area.
    Puerto* Hoyo(int k, int r, bool arriba = true) {
        return proto->DireccionDePuerto((arriba ? 0 : 320) + 5 * k + r);
    }

    // A new chip whose plug point lies on the centre of upper hole (k, r).
    Componente& ChipEn(long codigo, int k, int r = 4) {
        mesa.componentes().Nuevo(codigo);
        Componente& chip = mesa.componentes()[mesa.componentes().size() - 1];
        chip.UbicaEn({110 + 27 + 13 * k - chip.Desplazamiento().x,
                      110 + 66 + 13 * r - chip.Desplazamiento().y});
        return chip;
    }

    prueba::AvisosDePrueba avisos;
    Mesa mesa{avisos};
    Tablero* proto = nullptr;
};

TEST_F(Colocacion, UnChipCabeHastaLaColumnaQueDejaSitioATodosSusPines) {
    LugarDelChip lugar;
    EXPECT_TRUE(mesa.PuedeInsertarComponente(ChipEn(7000, 57), &lugar));
    EXPECT_EQ(lugar.tableroProtoboard, proto);
    EXPECT_EQ(lugar.pCasilla, Hoyo(57, 4));
    EXPECT_FALSE(mesa.PuedeInsertarComponente(ChipEn(7000, 58)));
    EXPECT_TRUE(mesa.PuedeInsertarComponente(ChipEn(7133, 56)));  // 16 pins
    EXPECT_FALSE(mesa.PuedeInsertarComponente(ChipEn(7133, 57)));
}

TEST_F(Colocacion, SoloLaFilaCuatroDelAreaSuperiorAdmiteElPuntoDeEnchufe) {
    EXPECT_FALSE(mesa.PuedeInsertarComponente(ChipEn(7000, 10, 3)));
    Componente& abajo = ChipEn(7000, 10);
    abajo.UbicaEn({abajo.Ubicacion().x, abajo.Ubicacion().y + 91 - 52});  // lower row 0
    EXPECT_FALSE(mesa.PuedeInsertarComponente(abajo));
    Componente& bus = ChipEn(7000, 10);
    bus.UbicaEn({110 + 53 - 5, 110 + 14});  // upper bus, first hole
    EXPECT_FALSE(mesa.PuedeInsertarComponente(bus));
    Componente& fuera = ChipEn(7000, 10);
    fuera.UbicaEn({1500, 1400});
    EXPECT_FALSE(mesa.PuedeInsertarComponente(fuera));
}

TEST_F(Colocacion, UnCableBajoUnPinLoImpidePeroEnOtroHoyoDeLaColumnaNo) {
    Puerto otro;
    Hoyo(12, 2)->Conecta(&otro);  // same column as a pin, other hole
    EXPECT_TRUE(mesa.PuedeInsertarComponente(ChipEn(7000, 10)));
    Hoyo(12, 4)->Conecta(&otro);  // under pin 12 of the chip at column 10
    EXPECT_FALSE(mesa.PuedeInsertarComponente(ChipEn(7000, 10)));
    Hoyo(12, 4)->Desconecta();
    Hoyo(14, 0, false)->Conecta(&otro);  // under pin 5, lower row
    EXPECT_FALSE(mesa.PuedeInsertarComponente(ChipEn(7000, 10)));
}

TEST_F(Colocacion, UnChipNoSeSuperponeAOtroEnchufado) {
    ASSERT_TRUE(mesa.EnchufaComponente(ChipEn(7000, 10)));
    EXPECT_FALSE(mesa.PuedeInsertarComponente(ChipEn(7000, 16)));
    EXPECT_TRUE(mesa.PuedeInsertarComponente(ChipEn(7000, 17)));
}

TEST_F(Colocacion, UnaSalidaNoCaeSobreUnaTiraQueYaExcita) {
    // The 7404's pin 2 (an output) lands in the lower hole of the chip's first column;
    // pin 1 (an input) would land there if the chip moved one column left.
    Hoyo(20, 3, false)->Tipo('V');
    EXPECT_FALSE(mesa.PuedeInsertarComponente(ChipEn(7004, 19)));
    EXPECT_TRUE(mesa.PuedeInsertarComponente(ChipEn(7004, 20)));
}

TEST_F(Colocacion, EnchufarMarcaLasColumnasDeSalidaYDesenchufarLasLibera) {
    Componente& chip = ChipEn(7000, 10);
    ASSERT_TRUE(mesa.EnchufaComponente(chip));
    // Snap: the plug point falls one pixel left of the hole's centre.
    EXPECT_EQ(chip.Ubicacion().x, 110 + 27 + 13 * 10 - 5 - 1);
    EXPECT_EQ(chip.Ubicacion().y, 110 + 66 + 13 * 4);
    EXPECT_EQ(chip.NumeroDeProtoboard(), 3);

    // 7400 outputs: pins 3 and 6 below (columns 12, 15), 8 and 11 above (columns 16, 13).
    int columnasDeSalida = 0;
    for (int k = 0; k < 64; ++k) {
        for (bool arriba : {true, false}) {
            if (Hoyo(k, 0, arriba)->Tipo() == 'S') {
                ++columnasDeSalida;
                for (int r = 0; r < 5; ++r) EXPECT_EQ(Hoyo(k, r, arriba)->TipoOriginal(), 'S');
            }
        }
    }
    EXPECT_EQ(columnasDeSalida, 4);
    EXPECT_EQ(Hoyo(12, 0, false)->Tipo(), 'S');
    EXPECT_EQ(Hoyo(15, 0, false)->Tipo(), 'S');
    EXPECT_EQ(Hoyo(16, 4)->Tipo(), 'S');
    EXPECT_EQ(Hoyo(13, 4)->Tipo(), 'S');
    for (int k = 10; k < 17; ++k) {
        EXPECT_FALSE(Hoyo(k, 4)->EstaLibre());
        EXPECT_FALSE(Hoyo(k, 0, false)->EstaLibre());
        EXPECT_TRUE(Hoyo(k, 3)->EstaLibre());
    }
    EXPECT_EQ(chip.DireccionDeCasilla(14), Hoyo(10, 4));
    EXPECT_EQ(chip.DireccionDeCasilla(1), Hoyo(10, 0, false));
    EXPECT_EQ(chip.DireccionDeCasilla(7), Hoyo(16, 0, false));

    mesa.DesocupaComponente(chip);
    for (int k = 0; k < 64; ++k) {
        for (int r = 0; r < 5; ++r) {
            EXPECT_EQ(Hoyo(k, r)->Tipo(), 'F');
            EXPECT_EQ(Hoyo(k, r, false)->Tipo(), 'F');
            EXPECT_TRUE(Hoyo(k, r)->EstaLibre());
        }
    }
    for (int i = 1; i <= 14; ++i) EXPECT_FALSE(chip.TieneCasilla(i));
    EXPECT_TRUE(proto->EstaLimpio());
}

TEST_F(Colocacion, LasPiezasSinModeloSeAdmitenSinAsentarse) {
    mesa.componentes().Nuevo(4001);
    Componente& pieza = mesa.componentes()[mesa.componentes().size() - 1];
    pieza.UbicaEn({110 + 27 - 5, 110 + 66});  // plug point on upper hole (0, 0)
    LugarDelChip lugar;
    EXPECT_TRUE(mesa.PuedeInsertarComponente(pieza, &lugar));
    mesa.OcupaComponente(pieza, lugar);
    EXPECT_EQ(pieza.Ubicacion().x, 110 + 27 - 5);
    EXPECT_TRUE(proto->EstaLimpio());
}

// Every hole of every breadboard on the bench is free and undriven.
void EsperaProtoboardsIntactas(Mesa& mesa) {
    for (auto& t : mesa.tablero()) {
        if (t->Tipo() != Tablero::kProtoboard) continue;
        for (int i = 0; i < t->NumeroDePuertos(); ++i) {
            ASSERT_TRUE(t->DireccionDePuerto(i)->EstaLibre()) << "hoyo " << i;
            ASSERT_EQ(t->DireccionDePuerto(i)->Tipo(), 'F') << "hoyo " << i;
        }
    }
}

TEST_F(Colocacion, EnchufarRechazadoNoCambiaNadaNiElLugarDelLlamador) {
    Tablero* otra = mesa.AgregaTablero(Tablero::kProtoboard);
    otra->UbicaEn(110, 500);
    LugarDelChip lugar;
    ASSERT_TRUE(mesa.PuedeInsertarComponente(ChipEn(7000, 3), &lugar));
    Puerto* const casilla = lugar.pCasilla;
    Tablero* const protoboard = lugar.tableroProtoboard;

    // Its last pins would fall off the board; on no board; on the second board's bus.
    const Punto lejos = ChipEn(7000, 58).Ubicacion();
    for (const Punto esquina : {lejos, Punto{1500, 1400}, Punto{110 + 53 - 5, 500 + 14}}) {
        // A new chip may move the others in memory: each is used before the next.
        Componente* chip = &ChipEn(7000, 0);
        chip->UbicaEn(esquina);
        chip->NumeroDeProtoboard(9);
        const Punto antes = chip->Ubicacion();
        EXPECT_FALSE(mesa.EnchufaComponente(*chip, &lugar));
        EXPECT_FALSE(chip->EstaInsertado());
        EXPECT_EQ(chip->Ubicacion(), antes);
        EXPECT_EQ(chip->NumeroDeProtoboard(), 9);
        for (int i = 1; i <= chip->NumeroDePines(); ++i) EXPECT_FALSE(chip->TieneCasilla(i));
        EXPECT_EQ(lugar.pCasilla, casilla);
        EXPECT_EQ(lugar.tableroProtoboard, protoboard);
    }
    EsperaProtoboardsIntactas(mesa);
}

TEST_F(Colocacion, ElChipSigueALaProtoboardQueSujetaSusPines) {
    // A second breadboard laid exactly over the first, and a third apart: a chip dropped
    // where both hold holes goes into the first in list order, one apart into its own.
    Tablero* encima = mesa.AgregaTablero(Tablero::kProtoboard);
    encima->UbicaEn(110, 110);
    Tablero* aparte = mesa.AgregaTablero(Tablero::kProtoboard);
    aparte->UbicaEn(110, 500);

    Componente& tapado = ChipEn(7000, 10);
    tapado.NumeroDeProtoboard(encima->Identificador());
    ASSERT_TRUE(mesa.EnchufaComponente(tapado));
    EXPECT_TRUE(tapado.EstaInsertado());
    EXPECT_EQ(tapado.NumeroDeProtoboard(), proto->Identificador());
    EXPECT_EQ(tapado.DireccionDeCasilla(14), Hoyo(10, 4));
    EXPECT_TRUE(encima->EstaLimpio());

    Componente& suelto = ChipEn(7004, 20);
    suelto.UbicaEn({suelto.Ubicacion().x, suelto.Ubicacion().y + 390});
    LugarDelChip lugar;
    ASSERT_TRUE(mesa.EnchufaComponente(suelto, &lugar));
    EXPECT_EQ(suelto.NumeroDeProtoboard(), aparte->Identificador());
    EXPECT_EQ(suelto.DireccionDeCasilla(14), aparte->DireccionDePuerto(5 * 20 + 4));
    EXPECT_EQ(lugar.tableroProtoboard, aparte);
    EXPECT_EQ(lugar.pCasilla, suelto.DireccionDeCasilla(14));
}

TEST_F(Colocacion, ElPuertoBajoUnPuntoEsElPrimeroEnElOrdenDeLosTableros) {
    const Punto hoyo{110 + 27 + 13 * 5, 110 + 66 + 13 * 2};
    EXPECT_EQ(mesa.PuertoEn(hoyo.x, hoyo.y).puerto, Hoyo(5, 2));
    EXPECT_EQ(mesa.PuertoEn(hoyo.x, hoyo.y).tablero, proto);
    const PuertoEnLaMesa nada = mesa.PuertoEn(1500, 1400);
    EXPECT_EQ(nada.puerto, nullptr);
    EXPECT_EQ(nada.tablero, nullptr);

    // Overlapping boards: the earlier one answers, and leaves its centre on the hole.
    Tablero* encima = mesa.AgregaTablero(Tablero::kProtoboard);
    encima->UbicaEn(110, 110);
    const PuertoEnLaMesa bajo = mesa.PuertoEn(hoyo.x + 2, hoyo.y - 2);
    EXPECT_EQ(bajo.puerto, Hoyo(5, 2));
    EXPECT_EQ(bajo.tablero, proto);
    EXPECT_EQ(proto->CentroX(), hoyo.x);
    EXPECT_EQ(proto->CentroY(), hoyo.y);

    // It is the first port that counts, not the first board: over the earlier board's
    // blank margin the later board's hole is found.
    encima->UbicaEn(110 - 10, 110);
    const Punto margen{110 - 10 + 27, 110 + 66};
    ASSERT_EQ(proto->PuertoEn(margen.x, margen.y), nullptr);
    EXPECT_EQ(mesa.PuertoEn(margen.x, margen.y).puerto, encima->DireccionDePuerto(0));
    EXPECT_EQ(mesa.PuertoEn(margen.x, margen.y).tablero, encima);
}

}  // namespace
}  // namespace velistra
