// Undo and redo through a whole editing session, by the mouse and the menus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Estudiante.h"
#include "tableros/TableroPLA.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/Sesion.h"
#include "support/CarpetaTemporal.h"
#include "support/DialogosDePrueba.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

using namespace prueba::donde;

class Historial : public ::testing::Test {
protected:
    std::string Texto() const { return TextoDeCircuito(sesion.mesa); }
    // Every state the student saw, the first included.
    void Anota() { estados.push_back(Fotografia(sesion.mesa)); }

    void Edita() {
        Anota();
        sesion.Ejecuta(comandos::kProtoboard);
        Tablero& p = *sesion.mesa.tablero().back();
        Anota();
        yo.LlevaTablero(p, MarcadorDeProtoboard(p), {300, 100});
        Anota();
        sesion.Ejecuta(comandos::kInterruptores);
        Tablero& w = *sesion.mesa.tablero().back();
        Anota();
        yo.LlevaTablero(w, MarcadorDeTiras(w), {300, 450});
        Anota();
        sesion.Ejecuta(7008);
        Anota();
        const Punto hoyo = Superior(p, 2, 4);
        yo.Arrastra({60, 70}, {hoyo.x - 5 + 40, hoyo.y + 20});
        ASSERT_TRUE(sesion.mesa.componentes()[0].EstaInsertado());
        Anota();
        dialogos.color = Rgb(255, 0, 0);
        sesion.Ejecuta(comandos::kColorDeCable);
        Anota();
        yo.Conecta(VccDeFuente(*sesion.mesa.fuentedc(), 0), Superior(p, 2, 0), false);
        Anota();
        yo.Conecta(Salida(w, 0, 0), Inferior(p, 2, 4), true);
        Anota();
        sesion.Ejecuta(comandos::kPLA);
        Anota();
        // Put aside by hand, outside any action: that move joins the link's step.
        auto& pla = dynamic_cast<TableroPLA&>(*sesion.mesa.tablero().back());
        pla.UbicaEn(900, 100);
        yo.Clic(En(pla, TableroPLA::Cruce(0, 0).x, TableroPLA::Cruce(0, 0).y));
        ASSERT_TRUE(pla.Conexion(0, 0));
        Anota();
        sesion.Ejecuta(comandos::kTemporizador);
        Anota();
        // The second wire goes again, by the right button.
        yo.Derecho(Salida(w, 0, 0));
        ASSERT_EQ(sesion.mesa.cables().Lista().size(), 1u);
        Anota();
    }

    prueba::AvisosDePrueba avisos;
    prueba::DialogosDePrueba dialogos;
    Sesion sesion{avisos, dialogos};
    prueba::Estudiante yo{sesion};
    std::vector<FotoDeMesa> estados;
};

TEST_F(Historial, CadaPasoDeshechoDevuelveElTextoExactoYRehacerLlegaAlUltimo) {
    ASSERT_NO_FATAL_FAILURE(Edita());
    std::vector<FotoDeMesa> pasos;
    for (const FotoDeMesa& e : estados)
        if (pasos.empty() || !(pasos.back() == e)) pasos.push_back(e);
    const FotoDeMesa ultimo = pasos.back();
    for (std::size_t i = pasos.size() - 1; i-- > 0;) {
        ASSERT_TRUE(sesion.Ejecuta(comandos::kDeshacer).repintar) << i;
        EXPECT_EQ(Texto(), pasos[i].circuito) << i;
        EXPECT_EQ(Fotografia(sesion.mesa), pasos[i]) << i;
    }
    EXPECT_FALSE(sesion.Ejecuta(comandos::kDeshacer).repintar);
    // Back at the start, which is what a new program has: nothing to save.
    EXPECT_FALSE(sesion.comandos.Modificado());
    while (sesion.Ejecuta(comandos::kRehacer).repintar) {
    }
    EXPECT_EQ(Fotografia(sesion.mesa), ultimo);
    EXPECT_TRUE(sesion.comandos.Modificado());

    // A new edit after an undo drops what could have been redone.
    sesion.Ejecuta(comandos::kDeshacer);
    sesion.Ejecuta(comandos::kLeds);
    EXPECT_FALSE(sesion.Ejecuta(comandos::kRehacer).repintar);
    EXPECT_TRUE(sesion.historial.PuedeDeshacer());
}

TEST_F(Historial, ConLaFuenteEncendidaSeNiegaYLasPalancasNoSonPasos) {
    sesion.Ejecuta(comandos::kInterruptores);
    Tablero& w = *sesion.mesa.tablero().back();
    yo.Clic(InterruptorDeFuente(*sesion.mesa.fuentedc()));
    ASSERT_TRUE(sesion.mesa.bON());
    yo.Clic(Palanca(w, 3));
    const std::string encendido = Texto();
    avisos.mensajes.clear();
    EXPECT_FALSE(sesion.Ejecuta(comandos::kDeshacer).repintar);
    EXPECT_FALSE(sesion.Ejecuta(comandos::kRehacer).repintar);
    ASSERT_EQ(avisos.mensajes.size(), 2u);
    EXPECT_EQ(avisos.mensajes[0].texto, "Apague el módulo antes de deshacer un cambio.");
    EXPECT_EQ(avisos.mensajes[1].texto, "Apague el módulo antes de rehacer un cambio.");
    EXPECT_TRUE(sesion.mesa.bON());
    EXPECT_EQ(Texto(), encendido);

    // Switching off and the lever were no edits: one undo takes the board away.
    yo.Clic(InterruptorDeFuente(*sesion.mesa.fuentedc()));
    ASSERT_TRUE(sesion.Ejecuta(comandos::kDeshacer).repintar);
    EXPECT_EQ(sesion.mesa.tablero().size(), 2u);
    EXPECT_FALSE(sesion.historial.PuedeDeshacer());
}

TEST_F(Historial, ElMarcadorDeCambiosSigueAlEstadoGuardadoYAbrirOVaciarBorraLosPasos) {
    prueba::CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Archivo("guardado.txt");
    sesion.Ejecuta(comandos::kProtoboard);
    dialogos.paraGuardar = ruta;
    sesion.Ejecuta(comandos::kAlmacenarEn);
    ASSERT_FALSE(sesion.comandos.Modificado());
    sesion.Ejecuta(comandos::kLeds);
    EXPECT_TRUE(sesion.comandos.Modificado());
    sesion.Ejecuta(comandos::kDeshacer);
    EXPECT_FALSE(sesion.comandos.Modificado());
    // Before the save the circuit differs from the file again.
    sesion.Ejecuta(comandos::kDeshacer);
    EXPECT_TRUE(sesion.comandos.Modificado());
    sesion.Ejecuta(comandos::kRehacer);
    EXPECT_FALSE(sesion.comandos.Modificado());

    sesion.Ejecuta(comandos::kLeds);
    dialogos.paraAbrir = ruta;
    avisos.respuesta = Respuesta::No;
    sesion.Ejecuta(comandos::kRecuperar);
    EXPECT_FALSE(sesion.historial.PuedeDeshacer());
    EXPECT_FALSE(sesion.historial.PuedeRehacer());
    sesion.Ejecuta(comandos::kPulsadores);
    sesion.Ejecuta(comandos::kNuevo);
    EXPECT_FALSE(sesion.historial.PuedeDeshacer());
    EXPECT_EQ(sesion.mesa.tablero().size(), 2u);
}

TEST(HistorialDePasos, GuardaComoMuchoSusPasosYOlvidaLosMasViejos) {
    velistra::Historial h;
    h.Reinicia({"0", {}, 0});
    for (std::size_t i = 1; i <= velistra::Historial::kPasos + 50; ++i)
        h.Registra({std::to_string(i), {}, 0});
    std::size_t pasos = 0;
    const FotoDeMesa* f = nullptr;
    while (const FotoDeMesa* anterior = h.Deshace()) {
        f = anterior;
        ++pasos;
    }
    EXPECT_EQ(pasos, velistra::Historial::kPasos);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->circuito, "50");
}

}  // namespace
}  // namespace velistra
