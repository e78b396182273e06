#include <gtest/gtest.h>

#include <string>

#include "chips/Puertas.h"
#include "modelo/Componentes.h"
#include "plataforma/Recursos.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

TEST(Componentes, NuevoCreaSegunElCodigo) {
    Componentes cs;
    cs.Nuevo(7000);
    cs.Nuevo(7133);
    cs.Nuevo(4051);
    cs.Nuevo(4003);
    cs.Nuevo(12345);
    ASSERT_EQ(cs.size(), 5u);
    EXPECT_EQ(cs.Indice(), -1);

    const Componente& c7400 = cs[0];
    EXPECT_EQ(c7400.Codigo(), 7000);
    EXPECT_EQ(c7400.Circuito(), &ci7400);
    EXPECT_EQ(c7400.NumeroDePines(), 14);
    EXPECT_EQ(c7400.Ubicacion(), (Punto{20, 50}));
    EXPECT_EQ(c7400.Desplazamiento(), (Punto{5, 0}));
    EXPECT_EQ(c7400.ImagenDelChip(), recursos::Chip14);
    EXPECT_EQ(c7400.MascaraDelChip(), recursos::Mascara14);
    EXPECT_EQ(c7400.Anchura(), 91);
    EXPECT_TRUE(c7400.Etiqueta());
    EXPECT_EQ(c7400.NumeroDeProtoboard(), 0);
    EXPECT_FALSE(c7400.EstaInsertado());

    EXPECT_EQ(cs[1].NumeroDePines(), 16);
    EXPECT_EQ(cs[1].Anchura(), 104);

    // Parts without a model keep their offsets and pin counts, but have no picture.
    EXPECT_EQ(cs[2].Circuito(), nullptr);
    EXPECT_EQ(cs[2].NumeroDePines(), 10);
    EXPECT_EQ(cs[2].Desplazamiento(), (Punto{4, 3}));
    EXPECT_EQ(cs[2].Anchura(), 0);
    EXPECT_FALSE(cs[2].Etiqueta());
    EXPECT_EQ(cs[3].Desplazamiento(), (Punto{0, 5}));
    EXPECT_EQ(cs[4].Codigo(), 12345);
    EXPECT_EQ(cs[4].Desplazamiento(), (Punto{0, 0}));
    EXPECT_EQ(cs[4].Circuito(), nullptr);
}

TEST(Componentes, LasPiezasSinModeloNoSeDibujanNiSeEvaluanNiSeTocan) {
    Componentes cs;
    for (long codigo : {4001L, 4002L, 4003L, 4004L, 4051L, 4052L, 99L}) cs.Nuevo(codigo);
    prueba::LienzoDePrueba lienzo;
    cs.Dibuja(lienzo);
    EXPECT_TRUE(lienzo.trazos.empty());
    cs.Reinicia();
    cs.CalculaFunciones();
    cs.Transmite();
    EXPECT_FALSE(cs.HayCambio());
    EXPECT_FALSE(cs.Ubicado(20, 50));
    EXPECT_FALSE(cs.Ubicado(25, 53));
}

TEST(Componentes, RecargaEnlazaLoLeidoDeUnArchivo) {
    Componentes cs;
    Componente leido;
    leido.Codigo(7004);
    leido.NumeroDePines(14);
    cs.Agrega(leido);
    Componente parte;
    parte.Codigo(4052);
    parte.NumeroDePines(18);
    cs.Agrega(parte);
    // A long code that only wraps to a chip code when cut to int.
    Componente desbordado;
    desbordado.Codigo(7004L + (1L << 32));
    cs.Agrega(desbordado);

    cs.Recarga();
    EXPECT_EQ(cs[0].Circuito(), &ci7404);
    EXPECT_EQ(std::string(cs[0].TiposDePines() + 1), "ESESESGSESESEV");
    EXPECT_EQ(cs[0].ImagenDelChip(), recursos::Chip14);
    EXPECT_EQ(cs[1].Circuito(), nullptr);
    EXPECT_EQ(cs[1].NumeroDePines(), 18);
    EXPECT_FALSE(cs[1].ImagenDelChip().EsValida());
    EXPECT_EQ(cs[2].Circuito(), nullptr);

    Componente chip;
    Componentes::ImagenesDeChip(chip, 24);
    EXPECT_EQ(chip.Anchura(), 156);
    Componentes::ImagenesDeChip(chip, 18);
    EXPECT_EQ(chip.ImagenDelChip(), recursos::Chip18);
    Componentes::ImagenesDeChip(chip, 7);
    EXPECT_EQ(chip.ImagenDelChip(), recursos::Chip14);
}

TEST(Componentes, SeleccionYArrastre) {
    Componentes cs;
    cs.Nuevo(7000);
    cs.Nuevo(7004);
    cs[1].UbicaEn({60, 60});

    // Both chips lie under (70, 70): the first created is chosen.
    EXPECT_TRUE(cs.Ubicado(70, 70));
    EXPECT_EQ(cs.Indice(), 0);
    EXPECT_TRUE(cs.Ubicado(140, 95));
    EXPECT_EQ(cs.Indice(), 1);

    cs.Selecciona();
    EXPECT_TRUE(cs.EstaMoviendo());
    cs.EnMovimiento(240, 195);
    EXPECT_EQ(cs[1].Ubicacion(), (Punto{160, 160}));
    EXPECT_EQ(cs.Codigo(), 7004);
    EXPECT_EQ(cs.NumeroDePines(), 14);
    EXPECT_EQ(cs.Desplazamiento(), (Punto{5, 0}));
    cs.BotonArriba(0, 0);
    EXPECT_FALSE(cs.EstaMoviendo());
    EXPECT_EQ(cs.Indice(), -1);

    // A miss leaves nothing selected: the next Selecciona does nothing.
    EXPECT_FALSE(cs.Ubicado(1000, 1000));
    cs.Selecciona();
    EXPECT_FALSE(cs.EstaMoviendo());
    EXPECT_FALSE(cs[0].EstaMoviendo());

    EXPECT_TRUE(cs.ParaEliminar(30, 60));
    EXPECT_TRUE(cs[0].EstaMoviendo());
    EXPECT_FALSE(cs.EstaMoviendo());
}

TEST(Componentes, OperacionesSobreElSeleccionado) {
    Componentes cs;
    cs.Nuevo(7000);
    ASSERT_TRUE(cs.Ubicado(30, 60));
    cs.Inserta();
    cs.NumeroDeProtoboard(3);
    cs.Ubicacion({400, 300});
    EXPECT_TRUE(cs.EstaInsertado());
    EXPECT_EQ(cs[0].NumeroDeProtoboard(), 3);
    EXPECT_EQ(cs.Ubicacion(), (Punto{400, 300}));
    cs.Retira();
    EXPECT_FALSE(cs.EstaInsertado());
    EXPECT_EQ(cs[0].Ubicacion(), (Punto{20, 40}));
}

TEST(Componentes, UnaSeleccionCaducadaNoHaceNada) {
    Componentes cs;
    cs.Nuevo(7000);
    cs.Nuevo(7004);
    cs.Nuevo(7008);
    cs[2].UbicaEn({500, 500});
    ASSERT_TRUE(cs.Ubicado(510, 510));
    cs.EliminaSeleccionado();
    ASSERT_EQ(cs.size(), 2u);
    // The position is kept and now lies beyond the list.
    EXPECT_EQ(cs.Indice(), 2);
    EXPECT_EQ(cs.Seleccionado(), nullptr);
    cs.Selecciona();
    EXPECT_FALSE(cs.EstaMoviendo());
    cs.Inserta();
    cs.Retira();
    cs.Ubicacion({1, 1});
    cs.EnMovimiento(5, 5);
    cs.NumeroDeProtoboard(9);
    cs.EliminaSeleccionado();
    EXPECT_EQ(cs.size(), 2u);
    EXPECT_FALSE(cs.EstaInsertado());
    EXPECT_EQ(cs.Codigo(), 0);
    EXPECT_EQ(cs.NumeroDePines(), 0);
    EXPECT_EQ(cs.TiposDePines(), nullptr);
    EXPECT_EQ(cs.Ubicacion(), (Punto{}));
    for (const Componente& c : cs) {
        EXPECT_EQ(c.Ubicacion(), (Punto{20, 50}));
        EXPECT_EQ(c.NumeroDeProtoboard(), 0);
        EXPECT_FALSE(c.EstaInsertado());
    }

    // Removing the first chip leaves the position naming the one that followed it.
    ASSERT_TRUE(cs.Ubicado(30, 60));
    cs.EliminaSeleccionado();
    EXPECT_EQ(cs.Indice(), 0);
    EXPECT_EQ(cs.Codigo(), 7004);

    cs.Limpia();
    EXPECT_TRUE(cs.empty());
    EXPECT_EQ(cs.Indice(), -1);
}

TEST(Componentes, DesplazaSoloLosDelProtoboardMovido) {
    Componentes cs;
    cs.Nuevo(7000);
    cs.Nuevo(7000);
    cs.Nuevo(7000);
    cs[0].NumeroDeProtoboard(2);
    cs[1].NumeroDeProtoboard(3);
    cs.Desplaza(2, {15, 0});
    EXPECT_EQ(cs[0].Ubicacion(), (Punto{35, 50}));
    EXPECT_EQ(cs[1].Ubicacion(), (Punto{20, 50}));
    EXPECT_EQ(cs[2].Ubicacion(), (Punto{20, 50}));
}

TEST(Componentes, DibujaEnOrdenDeLista) {
    Componentes cs;
    cs.Nuevo(7000);
    cs.Nuevo(4051);
    cs.Nuevo(7133);
    prueba::LienzoDePrueba lienzo;
    cs.Dibuja(lienzo);
    const auto textos = lienzo.DeTipo(prueba::Trazo::Tipo::Texto);
    ASSERT_EQ(textos.size(), 2u);
    EXPECT_EQ(textos[0].texto, "74LS00");
    EXPECT_EQ(textos[1].texto, "74LS133");
    EXPECT_EQ(lienzo.DeTipo(prueba::Trazo::Tipo::Copia).size(), 4u);
}

}  // namespace
}  // namespace velistra
