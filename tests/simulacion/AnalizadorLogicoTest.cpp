// The analyser's record: what a channel reads, when samples are taken, how they are timed
// and what is kept when the record is full.
#include <gtest/gtest.h>

#include "tableros/Protoboard.h"
#include "persistencia/RegistroDeSenales.h"
#include "plataforma/Avisos.h"
#include "simulacion/AnalizadorLogico.h"
#include "simulacion/Mesa.h"

namespace velistra {
namespace {

class Analizador : public testing::Test {
protected:
    Analizador() {
        mesa.InicializaMesa();
        protoboard = mesa.AgregaTablero(Tablero::kProtoboard);
        mesa.ConectaAnalizador(&analizador);
    }
    ~Analizador() override { mesa.ConectaAnalizador(nullptr); }

    void Pon(int puerto, char estado) { protoboard->DireccionDePuerto(puerto)->Estado(estado); }
    std::string Valores(std::size_t i) const {
        const MuestraLogica& m = analizador.Muestra(i);
        return std::string(m.valores.data(), analizador.Canales().size());
    }

    AvisosMudos avisos;
    Mesa mesa{avisos};
    Tablero* protoboard = nullptr;
    AnalizadorLogico analizador;
};

TEST_F(Analizador, LosCanalesSeLlamanPorLoQueTocanYLeenTodaSuTira) {
    const int id = protoboard->Identificador();
    const std::string p = std::to_string(id) + ":";
    EXPECT_EQ(AnalizadorLogico::NombreDePuerto(mesa, id, 0), p + "a1");
    EXPECT_EQ(AnalizadorLogico::NombreDePuerto(mesa, id, 5 * 11 + 2), p + "c12");
    EXPECT_EQ(AnalizadorLogico::NombreDePuerto(mesa, id, Protoboard::kPrimerPuertoInferior + 4), p + "j1");
    EXPECT_EQ(AnalizadorLogico::NombreDePuerto(mesa, id, Protoboard::kPrimerPuertoDeBuses), p + "w1");
    EXPECT_EQ(AnalizadorLogico::NombreDePuerto(mesa, id, Protoboard::kPuertos - 1), p + "z60");
    EXPECT_EQ(AnalizadorLogico::NombreDePuerto(mesa, 1, 3), "1:3");

    ASSERT_TRUE(analizador.AnadeCanal(mesa, id, 0));
    EXPECT_FALSE(analizador.AnadeCanal(mesa, id, 0)) << "un puerto, un canal";
    // Hole 2 is in the strip of hole 0: the channel follows its net.
    Pon(2, '1');
    mesa.EjecutaFunciones();
    ASSERT_EQ(analizador.NumeroDeMuestras(), 2u);
    EXPECT_EQ(Valores(0), "Z");
    EXPECT_EQ(Valores(1), "1");
    for (int i = 1; i < AnalizadorLogico::kMaximoDeCanales; ++i) EXPECT_TRUE(analizador.AnadeCanal(mesa, id, 5 * i));
    EXPECT_FALSE(analizador.AnadeCanal(mesa, id, 200)) << "16 canales como máximo";
}

TEST_F(Analizador, UnTableroQuitadoDejaSuCanalAlAireSinLeerloNunca) {
    Tablero* leds = mesa.AgregaTablero(Tablero::kLeds);
    const int id = leds->Identificador();
    analizador.AnadeCanal(mesa, id, 0);
    leds->DireccionDePuerto(0)->Estado('1');
    mesa.EjecutaFunciones();
    mesa.QuitaTablero(*mesa.tablero().back());
    mesa.EjecutaFunciones();
    // Another board in the same slot of the list is not the channel's board either.
    mesa.AgregaTablero(Tablero::kLeds)->DireccionDePuerto(0)->Estado('1');
    mesa.EjecutaFunciones();
    ASSERT_EQ(analizador.NumeroDeMuestras(), 4u);
    EXPECT_EQ(Valores(1) + Valores(2) + Valores(3), "1ZZ");
}

TEST_F(Analizador, LosTicsDanElTiempoYCadaAsentamientoEntreEllosUnMicrosegundoMas) {
    analizador.AnadeCanal(mesa, protoboard->Identificador(), 0);  // t = 0
    mesa.EjecutaFunciones();                                      // 1
    mesa.Temporiza();                                             // hidden timer: no settling
    mesa.Temporiza();
    mesa.EjecutaFunciones();  // 2 ticks
    mesa.EjecutaFunciones();  // and 1 us
    const std::int64_t esperados[] = {0, 1, 2 * 47000, 2 * 47000 + 1};
    ASSERT_EQ(analizador.NumeroDeMuestras(), 4u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(analizador.Muestra(i).tiempo, esperados[i]);
    EXPECT_EQ(analizador.MuestraEn(-1), 4u);
    EXPECT_EQ(analizador.MuestraEn(50000), 1u);
    EXPECT_EQ(analizador.MuestraEn(94000), 2u);
    EXPECT_EQ(analizador.MuestraEn(1 << 30), 3u);

    // Paused: time goes on, nothing is kept.
    analizador.Pausa(true);
    mesa.Temporiza();
    mesa.EjecutaFunciones();
    analizador.Pausa(false);
    mesa.EjecutaFunciones();
    ASSERT_EQ(analizador.NumeroDeMuestras(), 5u);
    EXPECT_EQ(analizador.Muestra(4).tiempo, 3 * 47000);

    analizador.Borra();
    EXPECT_EQ(analizador.NumeroDeMuestras(), 0u);
    EXPECT_EQ(analizador.Ahora(), 0);
    EXPECT_EQ(analizador.Canales().size(), 1u);
}

TEST_F(Analizador, ElRegistroLlenoOlvidaLoMasViejoYQuitarUnCanalCorreLosDemas) {
    const int id = protoboard->Identificador();
    analizador.AnadeCanal(mesa, id, 0, "A");
    Pon(5, '0');
    analizador.AnadeCanal(mesa, id, 5, "B");
    const std::size_t total = AnalizadorLogico::kMaximoDeMuestras + 7;
    for (std::size_t i = 2; i < total; ++i) {
        mesa.Temporiza();
        Pon(0, i % 2 ? '1' : '0');
        mesa.EjecutaFunciones();
    }
    ASSERT_EQ(analizador.NumeroDeMuestras(), AnalizadorLogico::kMaximoDeMuestras);
    // The oldest kept is sample 7 of the run, taken at tick 6.
    EXPECT_EQ(analizador.Muestra(0).tiempo, 6 * 47000);
    EXPECT_EQ(Valores(0), "10");
    EXPECT_EQ(analizador.Muestra(analizador.NumeroDeMuestras() - 1).tiempo,
              static_cast<std::int64_t>(total - 2) * 47000);
    for (std::size_t i = 1; i < analizador.NumeroDeMuestras(); ++i)
        ASSERT_LT(analizador.Muestra(i - 1).tiempo, analizador.Muestra(i).tiempo);

    analizador.QuitaCanal(0);
    ASSERT_EQ(analizador.Canales().size(), 1u);
    EXPECT_EQ(analizador.Canales()[0].nombre, "B");
    EXPECT_EQ(Valores(0), "0");
    EXPECT_EQ(analizador.Muestra(0).valores[1], MuestraLogica::kSinDato);
}

TEST_F(Analizador, ElCsvDaUnaColumnaPorCanalYCitaLosNombresConComas) {
    const int id = protoboard->Identificador();
    analizador.AnadeCanal(mesa, id, 0, "reloj");
    Pon(5, '1');
    analizador.AnadeCanal(mesa, id, 5, "Q, \"A\"");
    EXPECT_EQ(TextoCsv(analizador),
              "tiempo_us,reloj,\"Q, \"\"A\"\"\"\n"
              "0,Z,\n"
              "1,Z,1\n");
    // Blanks would end a VCD reference.
    analizador.RenombraCanal(0, "mi reloj");
    EXPECT_NE(TextoVcd(analizador).find("$var wire 1 A mi_reloj $end"), std::string::npos);
}

}  // namespace
}  // namespace velistra
