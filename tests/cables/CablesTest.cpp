#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "plataforma/Dialogos.h"
#include "support/LienzoDePrueba.h"
#include "cables/Cables.h"
#include "cables/TextoDeVertices.h"

namespace velistra {
namespace {

using prueba::LienzoDePrueba;
using prueba::Texto;
using prueba::Trazo;

constexpr Color kAzul = Rgb(0, 0, 255);

// Answers the colour dialog with a preset reply and records what it was shown.
class DialogosDePrueba final : public Dialogos {
public:
    std::optional<std::string> NombreParaAbrir(const std::vector<FiltroDeArchivos>&,
                                               const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> NombreParaGuardar(const std::vector<FiltroDeArchivos>&,
                                                 const std::string&) override {
        return std::nullopt;
    }
    std::optional<Color> EligeColor(Color inicial, std::array<Color, 16>& personalizados) override {
        iniciales.push_back(inicial);
        vistos = personalizados;
        if (editaPersonalizados) editaPersonalizados(personalizados);
        return respuesta;
    }

    std::optional<Color> respuesta;
    std::function<void(std::array<Color, 16>&)> editaPersonalizados;
    std::vector<Color> iniciales;
    std::array<Color, 16> vistos{};
};

// Draws a finished wire from (ax, ay) on board 1 to (bx, by) on board 2.
void Tiende(Cables& cables, int ax, int ay, int bx, int by) {
    cables.CreaCable(1, ax, ay);
    cables.EnMovimiento(bx, by);
    cables.Concluye(2, bx, by);
    cables.BotonArriba(bx, by);
}

TEST(Cables, TenderUnCableGuardaUnaCopiaYVuelveAReposo) {
    Cables cables;
    EXPECT_EQ(cables.Indice(), -1);
    EXPECT_EQ(cables.Color(), kAzul);

    cables.CreaCable(3, 100, 100);
    EXPECT_TRUE(cables.EstaCreando());
    EXPECT_FALSE(cables.HaCambiado());
    cables.EnMovimiento(103, 104);
    cables.EnMovimiento(130, 160);
    cables.Concluye(4, 130, 160);
    EXPECT_FALSE(cables.EstaCreando());
    cables.BotonArriba(130, 160);

    ASSERT_EQ(cables.Lista().size(), 1u);
    const Cable& cable = cables.Lista()[0];
    EXPECT_EQ(Texto(cable.Puntos()), "(100,100)(100,100)(100,160)(100,160)(130,160)(130,160)");
    EXPECT_EQ(cable.TableroA(), 3);
    EXPECT_EQ(cable.TableroB(), 4);
    EXPECT_EQ(cable.Color(), kAzul);
    EXPECT_EQ(cable.Anchura(), 5);
}

TEST(Cables, SoltarSinConcluirDescartaElCable) {
    Cables cables;
    cables.CreaCable(1, 100, 100);
    cables.EnMovimiento(150, 150);
    cables.BotonArriba(150, 150);
    EXPECT_TRUE(cables.Lista().empty());
    EXPECT_FALSE(cables.EstaCreando());
    cables.EnMovimiento(170, 170);  // idle: nothing to follow
    cables.Concluye(2, 170, 170);   // and nothing to finish
    EXPECT_TRUE(cables.Lista().empty());
}

TEST(Cables, ElCableEnConstruccionNoArrastraNadaDelAnterior) {
    Cables cables;
    cables.CreaCable(1, 100, 100);
    cables.EnMovimiento(110, 150);  // vertical first
    cables.Concluye(2, 130, 160);
    cables.BotonArriba(130, 160);
    const std::string primero = Texto(cables.Lista()[0].Puntos());

    cables.CreaCable(3, 300, 300);
    cables.EnMovimiento(302, 303);  // too close to decide
    cables.Concluye(4, 302, 303);
    cables.BotonArriba(302, 303);

    ASSERT_EQ(cables.Lista().size(), 2u);
    EXPECT_EQ(Texto(cables.Lista()[0].Puntos()), primero);
    EXPECT_EQ(Texto(cables.Lista()[1].Puntos()),
              "(300,300)(300,300)(302,300)(302,300)(302,303)(302,303)");
    EXPECT_EQ(cables.Lista()[1].TableroA(), 3);
}

TEST(Cables, RemodelarMueveSoloElCableTocado) {
    Cables cables;
    Tiende(cables, 100, 100, 200, 100);
    Tiende(cables, 100, 300, 200, 300);

    ASSERT_TRUE(cables.ParaModificar(150, 301));
    EXPECT_EQ(cables.Indice(), 1);
    EXPECT_TRUE(cables.HaCambiado());
    EXPECT_FALSE(cables.EstaCreando());
    cables.EnMovimiento(150, 320);
    cables.BotonArriba(150, 320);
    EXPECT_FALSE(cables.HaCambiado());

    EXPECT_EQ(Texto(cables.Lista()[0].Puntos()),
              "(100,100)(100,100)(100,100)(200,100)(200,100)(200,100)");
    EXPECT_EQ(Texto(cables.Lista()[1].Puntos()),
              "(100,300)(100,300)(100,320)(200,320)(200,300)(200,300)");

    cables.EnMovimiento(150, 400);  // released: no further change
    EXPECT_EQ(cables.Lista()[1].Puntos()[2], (Punto{100, 320}));
}

TEST(Cables, FallarElAciertoDejaReposoSinIndice) {
    Cables cables;
    Tiende(cables, 100, 100, 200, 100);
    ASSERT_TRUE(cables.ParaModificar(150, 100));
    EXPECT_FALSE(cables.ParaModificar(150, 150));
    EXPECT_EQ(cables.Indice(), -1);
    EXPECT_FALSE(cables.HaCambiado());
}

TEST(Cables, DondeSeCruzanGanaElPrimeroHecho) {
    Cables cables;
    Tiende(cables, 100, 150, 200, 150);
    Tiende(cables, 150, 100, 150, 200);
    ASSERT_TRUE(cables.ParaModificar(150, 150));
    EXPECT_EQ(cables.Indice(), 0);
    ASSERT_TRUE(cables.ParaModificar(150, 120));
    EXPECT_EQ(cables.Indice(), 1);
}

TEST(Cables, RetirarQuitaElCableTocado) {
    Cables cables;
    Tiende(cables, 100, 100, 200, 100);
    Tiende(cables, 100, 300, 200, 300);
    Tiende(cables, 100, 500, 200, 500);

    ASSERT_TRUE(cables.ParaModificar(150, 300));
    cables.RetiraCable();
    ASSERT_EQ(cables.Lista().size(), 2u);
    EXPECT_EQ(cables.Lista()[1].AY(), 500);
    EXPECT_FALSE(cables.HaCambiado());

    // A second call without a new pick must not take the wire that slid into its place.
    cables.RetiraCable();
    EXPECT_EQ(cables.Lista().size(), 2u);
}

TEST(Cables, RetirarSinCableTocadoSoloVuelveAReposo) {
    Cables cables;
    Tiende(cables, 100, 100, 200, 100);
    EXPECT_FALSE(cables.ParaModificar(400, 400));
    cables.CreaCable(1, 100, 300);
    cables.RetiraCable();
    EXPECT_EQ(cables.Lista().size(), 1u);
    EXPECT_FALSE(cables.EstaCreando());
    EXPECT_FALSE(cables.HaCambiado());
}

TEST(Cables, SiguenAlTableroSoloLosCablesQueTocan) {
    Cables cables;
    Tiende(cables, 100, 100, 200, 150);  // boards 1 and 2
    cables.CreaCable(5, 100, 300);
    cables.Concluye(6, 200, 300);
    cables.Desplaza(0, 2, {0, 10});
    EXPECT_EQ(Texto(cables.Lista()[0].Puntos()),
              "(100,100)(100,100)(200,100)(200,100)(200,160)(200,160)");
    EXPECT_EQ(cables.Lista()[1].BY(), 300);
}

TEST(Cables, VaciarDejaLaListaVaciaYEnReposo) {
    Cables cables;
    Tiende(cables, 100, 100, 200, 100);
    ASSERT_TRUE(cables.ParaModificar(150, 100));
    cables.Vacia();
    EXPECT_TRUE(cables.Lista().empty());
    EXPECT_FALSE(cables.HaCambiado());
    cables.EnMovimiento(150, 120);  // nothing left to reshape
    cables.RetiraCable();
    EXPECT_TRUE(cables.Lista().empty());
    EXPECT_EQ(cables.Indice(), -1);
}

TEST(Cables, LaBarraDeColorSigueAlDesplazamientoYSeDibujaPrimero) {
    Cables cables;
    Tiende(cables, 100, 100, 200, 100);
    cables.DeltaX(30);
    cables.DeltaY(40);
    LienzoDePrueba lienzo;
    cables.Dibuja(lienzo);

    ASSERT_GE(lienzo.trazos.size(), 3u);
    EXPECT_EQ(lienzo.trazos[0].tipo, Trazo::Tipo::Pluma);
    EXPECT_EQ(lienzo.trazos[0].color, kAzul);
    EXPECT_EQ(lienzo.trazos[0].ancho, 5);
    EXPECT_EQ(lienzo.trazos[1].tipo, Trazo::Tipo::MueveA);
    EXPECT_EQ(lienzo.trazos[1].a, 116);
    EXPECT_EQ(lienzo.trazos[1].b, 42);
    EXPECT_EQ(lienzo.trazos[2].tipo, Trazo::Tipo::LineaA);
    EXPECT_EQ(lienzo.trazos[2].a, 135);
    EXPECT_EQ(lienzo.trazos[2].b, 42);
    EXPECT_EQ(lienzo.pluma, Pluma{});
}

TEST(Cables, SeDibujanLosCablesYElQueSeEstaTendiendo) {
    Cables cables;
    Tiende(cables, 100, 100, 200, 100);
    Tiende(cables, 100, 300, 200, 300);
    // The bar, then two passes per wire.
    LienzoDePrueba lienzo;
    cables.Dibuja(lienzo);
    EXPECT_EQ(lienzo.DeTipo(Trazo::Tipo::MueveA).size(), 1u + 2u * 2u);

    cables.CreaCable(1, 400, 400);
    cables.EnMovimiento(450, 400);
    LienzoDePrueba conNuevo;
    cables.Dibuja(conNuevo);
    const auto movimientos = conNuevo.DeTipo(Trazo::Tipo::MueveA);
    ASSERT_EQ(movimientos.size(), 1u + 3u * 2u);
    EXPECT_EQ(movimientos.back().a, 400);
}

TEST(Cables, CancelarElDialogoConservaElColor) {
    Cables cables;
    DialogosDePrueba dialogos;
    cables.Color(dialogos);
    ASSERT_EQ(dialogos.iniciales.size(), 1u);
    EXPECT_EQ(dialogos.iniciales[0], kAzul);
    EXPECT_EQ(cables.Color(), kAzul);
}

TEST(Cables, UnColorNuevoSoloAfectaALosCablesSiguientes) {
    Cables cables;
    Tiende(cables, 100, 100, 200, 100);
    DialogosDePrueba dialogos;
    dialogos.respuesta = Rgb(0, 128, 0);
    cables.Color(dialogos);
    Tiende(cables, 100, 300, 200, 300);

    EXPECT_EQ(cables.Lista()[0].Color(), kAzul);
    EXPECT_EQ(cables.Lista()[1].Color(), Rgb(0, 128, 0));
    cables.Color(dialogos);
    EXPECT_EQ(dialogos.iniciales.back(), Rgb(0, 128, 0));
}

// The only test that changes the custom colours; it puts them back.
TEST(Cables, LosColoresPersonalizadosDuranMientrasCorreElPrograma) {
    std::array<Color, 16> iniciales{};
    iniciales[0] = 0x010101;
    for (std::size_t k = 1; k < 16; ++k) iniciales[k] = static_cast<Color>(0x101010 * k);

    DialogosDePrueba dialogos;
    dialogos.editaPersonalizados = [](std::array<Color, 16>& colores) { colores[3] = 0x123456; };
    Cables cables;
    cables.Color(dialogos);
    EXPECT_EQ(dialogos.vistos, iniciales);
    EXPECT_EQ(dialogos.vistos[15], 0xF0F0F0u);

    DialogosDePrueba otro;
    otro.editaPersonalizados = [&iniciales](std::array<Color, 16>& colores) {
        colores = iniciales;
    };
    Cables otrosCables;
    otrosCables.Color(otro);
    EXPECT_EQ(otro.vistos[3], 0x123456u);
}

}  // namespace
}  // namespace velistra
