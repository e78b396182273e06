#include <gtest/gtest.h>

#include "persistencia/MesaDeArchivos.h"

namespace velistra {
namespace {

using prueba::CableEntre;
using prueba::CentroDePuerto;
using prueba::MesaDeArchivos;

// Upper area of the breadboard: holes 5k to 5k + 4 are column k, one strip.
constexpr int Hoyo(int columna, int fila) { return 5 * columna + fila; }

TEST(ReconstruccionDeCircuitos, UnCableQueNoPuedeUnirseQuedaDibujadoPeroSinConectar) {
    MesaDeArchivos m;
    Tablero& p = m.Agrega(Tablero::kProtoboard);
    ASSERT_TRUE(m.Cablea(p, Hoyo(0, 0), p, Hoyo(1, 0)));
    ASSERT_TRUE(m.Cablea(p, Hoyo(1, 1), p, Hoyo(2, 0)));
    // Wires the mouse never lays, as a hand-edited file may hold them.
    const Cable lazo = CableEntre(p, Hoyo(2, 1), p, Hoyo(0, 1));
    m.mesa.cables().Agrega(lazo);
    m.mesa.cables().Agrega(CableEntre(p, Hoyo(3, 0), p, Hoyo(3, 4)));  // one strip
    m.mesa.cables().Agrega(CableEntre(p, Hoyo(0, 0), p, Hoyo(4, 0)));  // a taken hole
    Cable alVacio;
    alVacio.Puntos({Punto{1990, 1490}, {1990, 1490}, {1990, 1495}, {1990, 1495}, {1995, 1495},
                    {1995, 1495}});
    m.mesa.cables().Agrega(alVacio);
    const std::string texto = m.Texto();

    MesaDeArchivos n;
    ASSERT_EQ(n.Carga(texto), ResultadoDeLectura::Correcto);
    EXPECT_EQ(n.Texto(), texto);
    ASSERT_EQ(n.mesa.cables().Lista().size(), 6u);
    Tablero& q = *n.mesa.tablero()[2];
    auto hoyo = [&q](int columna, int fila) { return q.DireccionDePuerto(Hoyo(columna, fila)); };
    EXPECT_EQ(hoyo(0, 0)->OtroPuerto(), hoyo(1, 0));
    EXPECT_EQ(hoyo(1, 1)->OtroPuerto(), hoyo(2, 0));
    for (Puerto* libre : {hoyo(2, 1), hoyo(0, 1), hoyo(3, 0), hoyo(3, 4), hoyo(4, 0)})
        EXPECT_TRUE(libre->EstaLibre());
    EXPECT_EQ(hoyo(0, 0)->Nodo(), hoyo(2, 0)->Nodo());
    EXPECT_NE(hoyo(0, 0)->Nodo(), hoyo(4, 0)->Nodo());

    // Taking the loose wire out cuts nothing that the others join.
    EXPECT_FALSE(n.mesa.DesconectaPuertos(n.mesa.PuertoEn(lazo.AX(), lazo.AY()).puerto,
                                          n.mesa.PuertoEn(lazo.BX(), lazo.BY()).puerto));
    EXPECT_EQ(hoyo(0, 0)->OtroPuerto(), hoyo(1, 0));
    EXPECT_EQ(hoyo(1, 1)->OtroPuerto(), hoyo(2, 0));
    EXPECT_EQ(hoyo(0, 0)->Nodo(), hoyo(2, 0)->Nodo());

    // The net is still a tree: driving it ends.
    n.Enciende();
    hoyo(0, 3)->Estado('1');
    EXPECT_EQ(hoyo(2, 4)->Estado(), '1');
}

TEST(ReconstruccionDeCircuitos, CadaChipSeEnchufaSiCabeYSiNoQuedaDondeEstaba) {
    MesaDeArchivos m;
    Tablero& p = m.Agrega(Tablero::kProtoboard);
    const auto esquinaSobre = [&p](int hoyo, Punto ajuste) {
        const Punto centro = CentroDePuerto(p, hoyo);
        return Punto{centro.x - 5 + ajuste.x, centro.y + ajuste.y};
    };
    ASSERT_TRUE(m.Suelta(7004, p, Hoyo(20, 4)).EstaInsertado());
    m.Deja(7000, esquinaSobre(Hoyo(23, 4), {}));  // its holes are the first chip's
    m.Deja(7000, {1500, 1000});                  // on no board
    m.Deja(7000, esquinaSobre(Hoyo(40, 2), {}));  // not along the channel
    m.Deja(7004, esquinaSobre(Hoyo(40, 4), {2, 1}));
    m.Deja(4051, {600, 700});  // a part without a model
    const std::string texto = m.Texto();

    MesaDeArchivos n;
    ASSERT_EQ(n.Carga(texto), ResultadoDeLectura::Correcto);
    Componentes& chips = n.mesa.componentes();
    ASSERT_EQ(chips.size(), 6u);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(chips[i].EstaInsertado(), i == 0);
        EXPECT_EQ(chips[i].Ubicacion(), m.mesa.componentes()[i].Ubicacion());
        EXPECT_EQ(chips[i].TieneCasilla(1), i == 0);
    }
    // Plugged in as a drop would: snapped onto its holes and following its breadboard.
    const int breadboard = n.mesa.tablero()[2]->Identificador();
    EXPECT_TRUE(chips[4].EstaInsertado());
    EXPECT_EQ(chips[4].Ubicacion(), esquinaSobre(Hoyo(40, 4), {-1, 0}));
    EXPECT_EQ(chips[4].NumeroDeProtoboard(), breadboard);
    EXPECT_EQ(chips[4].DireccionDeCasilla(14), n.mesa.tablero()[2]->DireccionDePuerto(Hoyo(40, 4)));
    EXPECT_EQ(chips[5].NumeroDePines(), 10);
    EXPECT_EQ(chips[5].Circuito(), nullptr);

    // What loading settled is kept from then on.
    const std::string segundo = n.Texto();
    MesaDeArchivos o;
    ASSERT_EQ(o.Carga(segundo), ResultadoDeLectura::Correcto);
    EXPECT_EQ(o.Texto(), segundo);
}

}  // namespace
}  // namespace velistra
