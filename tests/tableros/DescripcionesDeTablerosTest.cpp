#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "persistencia/ArchivoDeCircuito.h"
#include "sesion/Sesion.h"
#include "sesion/TablaDeComandos.h"
#include "support/DialogosDePrueba.h"
#include "support/LienzoDePrueba.h"
#include "tableros/DescripcionesDeTableros.h"
#include "tableros/Fabrica.h"
#include "tableros/TableroPLA.h"

namespace velistra {
namespace {

std::vector<int> Tipos(const Mesa& mesa) {
    std::vector<int> tipos;
    for (const auto& t : mesa.tablero()) tipos.push_back(t->Tipo());
    return tipos;
}

// A row is the whole kind: the board it builds answers to it, and its roles are what the
// board does.
TEST(DescripcionesDeTableros, CadaFilaEsElTableroQueConstruyeYLoQueHace) {
    std::set<int> tipos;
    std::set<int> comandos;
    for (const DescripcionDeTablero& d : kDescripcionesDeTableros) {
        SCOPED_TRACE(d.nombre);
        EXPECT_TRUE(tipos.insert(d.tipo).second);
        if (d.comando != 0) { EXPECT_TRUE(comandos.insert(d.comando).second); }
        EXPECT_EQ(DescripcionPorComando(d.comando), d.comando != 0 ? &d : nullptr);

        const std::unique_ptr<Tablero> t = CreaTablero(d.tipo);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(&DescripcionDe(*t), &d);
        EXPECT_STREQ(NombreDeTablero(d.tipo), d.nombre);

        // Levers: each one selectable by index, none past them.
        EXPECT_EQ(t->SeleccionaEntrada(d.palancas - 1), d.palancas > 0);
        EXPECT_FALSE(t->SeleccionaEntrada(d.palancas));
        EXPECT_EQ(t->EntradaSeleccionada() >= 0, d.palancas > 0);
        if (d.luces > 0) { EXPECT_EQ(t->NumeroDeSalidas(), d.luces); }
        EXPECT_LE(d.luces, MaximoDeLuces());
        if (d.letrasDeLuz != nullptr) { EXPECT_EQ(d.luces % d.LucesPorGrupo(), 0); }
        // A board that drives strips of its own is fed through supply terminals; the
        // breadboard's holes are the chips'.
        EXPECT_EQ(t->HuecoDePuerto(0).has_value(), d.admiteChips);
        if (d.palancas > 0) { EXPECT_EQ(t->TomasDeAlimentacion().size(), 2u); }
    }
    EXPECT_EQ(DescripcionDe(7), nullptr);
    EXPECT_EQ(DescripcionPorComando(0), nullptr);
}

// Every kind with a menu command is in the menu, can be put on a bench, saved and read
// back; the bench's own boards are where the bench keeps them and are never added twice.
TEST(DescripcionesDeTableros, CadaTipoEstaEnElMenuYVuelveDelArchivo) {
    prueba::AvisosDePrueba avisos;
    prueba::DialogosDePrueba dialogos;
    Sesion sesion{avisos, dialogos};
    for (const DescripcionDeTablero& d : kDescripcionesDeTableros) {
        SCOPED_TRACE(d.nombre);
        if (d.puestoFijo >= 0) {
            ASSERT_LT(static_cast<std::size_t>(d.puestoFijo), sesion.mesa.tablero().size());
            EXPECT_EQ(sesion.mesa.tablero()[static_cast<std::size_t>(d.puestoFijo)]->Tipo(), d.tipo);
            EXPECT_EQ(TipoDelPuestoFijo(d.puestoFijo), d.tipo);
            EXPECT_EQ(sesion.mesa.AgregaTablero(d.tipo), nullptr);
        }
        if (d.comando == 0) continue;
        const FilaDeComando* fila = FilaDeComandoDe(d.comando);
        ASSERT_NE(fila, nullptr);
        EXPECT_STREQ(fila->texto, d.texto);
        EXPECT_EQ(fila->modificaCircuito, !d.tutorial);
        const std::size_t antes = sesion.mesa.tablero().size();
        EXPECT_TRUE(sesion.Ejecuta(d.comando).repintar);
        if (d.puestoFijo < 0) { EXPECT_EQ(sesion.mesa.tablero().size(), antes + 1); }
    }

    std::istringstream archivo(TextoDeCircuito(sesion.mesa));
    prueba::AvisosDePrueba otrosAvisos;
    prueba::DialogosDePrueba otrosDialogos;
    Sesion otra{otrosAvisos, otrosDialogos};
    ASSERT_EQ(LeeCircuito(otra.mesa, archivo), ResultadoDeLectura::Correcto);
    EXPECT_EQ(Tipos(otra.mesa), Tipos(sesion.mesa));
    EXPECT_EQ(TextoDeCircuito(otra.mesa), TextoDeCircuito(sesion.mesa));
    EXPECT_TRUE(otra.mesa.reloj()->EstaVisible());
}

// A board asks for repaints in workbench coordinates; a window that shows the bench
// scrolled gets them shifted into its own.
TEST(DescripcionesDeTableros, ElTableroPideRepintarEnLaMesaYLaVentanaTraslada) {
    TableroPLA pla;
    pla.UbicaEn(100, 50);
    prueba::VentanaDePrueba enLaMesa;
    ASSERT_TRUE(pla.ClickIzquierdo(&enLaMesa, 143, 93));
    ASSERT_EQ(enLaMesa.repintados.size(), 5u);
    EXPECT_EQ(enLaMesa.repintados[0].l, 139);
    EXPECT_EQ(enLaMesa.repintados[0].t, 89);
    EXPECT_EQ(enLaMesa.repintados[4].r, 453 + 150);

    prueba::VentanaDePrueba desplazada;
    ASSERT_TRUE(pla.ClickIzquierdo(&desplazada, 143, 93, 30, 20));
    ASSERT_EQ(desplazada.repintados.size(), 5u);
    EXPECT_EQ(desplazada.repintados[0].l, 139 - 30);
    EXPECT_EQ(desplazada.repintados[0].b, 98 - 20);
    EXPECT_FALSE(pla.Conexion(0, 0));
}

}  // namespace
}  // namespace velistra
