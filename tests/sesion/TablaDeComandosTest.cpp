// The command table against what the session does: every row the session carries out
// is there, changes the circuit as the row says, and is refused with the supply on
// exactly when the row says so.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "chips/Catalogo.h"
#include "docencia/Fallos.h"
#include "sesion/Mensajes.h"
#include "sesion/Sesion.h"
#include "sesion/TablaDeComandos.h"
#include "support/CarpetaTemporal.h"
#include "support/DialogosDePrueba.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

struct SesionDePrueba {
    prueba::AvisosDePrueba avisos;
    prueba::DialogosDePrueba dialogos;
    Sesion sesion{avisos, dialogos};
};

// "Ctrl+Shift+S", "F1", "Ctrl++": modifiers first, then one key.
bool AtajoPortable(const std::string& atajo) {
    static const std::set<std::string> modificadores{"Ctrl", "Shift", "Alt"};
    std::size_t inicio = 0;
    for (std::size_t mas = atajo.find('+'); mas != std::string::npos && mas + 1 < atajo.size();
         mas = atajo.find('+', inicio)) {
        if (!modificadores.contains(atajo.substr(inicio, mas - inicio))) return false;
        inicio = mas + 1;
    }
    return inicio < atajo.size();
}

TEST(TablaDeComandos, CadaFilaEsUnicaYCadaChipDelCatalogoTieneLaSuya) {
    std::set<int> ids;
    std::set<std::string> atajos;
    std::set<int> botones;
    std::set<MenuDeLaBarra> menus;
    for (const FichaDeMenu& m : MenusDeLaBarra()) menus.insert(m.menu);
    for (const FilaDeComando& fila : TablaDeComandos()) {
        if (fila.clase == ClaseDeFila::Separador) {
            EXPECT_EQ(fila.id, 0);
            continue;
        }
        EXPECT_TRUE(ids.insert(fila.id).second) << "repeated id " << fila.id;
        EXPECT_TRUE(fila.texto != nullptr && *fila.texto != '\0') << fila.id;
        // Only a button may stand outside the menus.
        EXPECT_TRUE(menus.contains(fila.menu) || fila.boton.orden > 0) << fila.id;
        for (const char* atajo : fila.atajos) {
            if (atajo == nullptr) continue;
            EXPECT_TRUE(AtajoPortable(atajo)) << atajo;
            EXPECT_TRUE(atajos.insert(atajo).second) << "two commands on " << atajo;
        }
        if (fila.boton.orden > 0) {
            EXPECT_TRUE(botones.insert(fila.boton.orden).second) << fila.id;
        }
        // A row that changes the circuit is one the session carries out.
        if (fila.modificaCircuito) {
            EXPECT_TRUE(Sesion::EsSuyo(fila.id)) << fila.id;
        }
    }
    EXPECT_TRUE(Sesion::EsSuyo(comandos::kColorDeCable));

    for (const FichaDeChip& ficha : Catalogo()) {
        const FilaDeComando* fila = FilaDeComandoDe(ficha.codigoDeCatalogo);
        ASSERT_NE(fila, nullptr) << ficha.codigoDeCatalogo;
        EXPECT_EQ(fila->menu, MenuDeLaBarra::CircuitosTTL);
        EXPECT_STREQ(fila->submenu, ficha.grupo);
        EXPECT_STREQ(fila->texto, ficha.texto);
        EXPECT_TRUE(fila->modificaCircuito);
    }

    // The toolbar, as each shell builds it: a name of its own only where the item's text,
    // its dots dropped, would not do.
    std::vector<int> orden;
    std::vector<std::string> nombres;
    for (const FilaDeComando* boton : BotonesDeLaBarra(kNavegador)) {
        orden.push_back(boton->id);
        nombres.push_back(NombreDeBoton(*boton, [](const char* t) { return std::string(t); }));
    }
    EXPECT_EQ(orden, (std::vector<int>{101, 102, 103, 120, 110, 111}));
    EXPECT_EQ(nombres, (std::vector<std::string>{"Nuevo", "Recuperar", "Almacenar",
                                                 "Color de los cables nuevos", "Deshacer", "Rehacer"}));

    // What a browser leaves out for now: printing, exports and the desktop's own dialogs
    // and panels.
    std::set<int> soloEscritorio;
    for (const FilaDeComando& fila : TablaDeComandos()) {
        if (fila.clase != ClaseDeFila::Separador && (fila.programas & kNavegador) == 0)
            soloEscritorio.insert(fila.id);
    }
    EXPECT_EQ(soloEscritorio, (std::set<int>{comandos::kRevisarCircuito, comandos::kFallos,
                                             comandos::kExportarImagen, comandos::kImprimir,
                                             comandos::kExportarInforme, comandos::kAnalizadorLogico,
                                             comandos::kPracticasDelCurso, comandos::kAbrirPractica}));
}

// Each row on a fresh workbench: a change of the circuit is one undo step and the modified
// mark; any other command of the session leaves both alone.
TEST(TablaDeComandos, LoQueCambiaElCircuitoEsUnPasoDeDeshacerYLoDemasNinguno) {
    int cambian = 0;
    for (const FilaDeComando& fila : TablaDeComandos()) {
        if (fila.clase != ClaseDeFila::Orden || !Sesion::EsSuyo(fila.id) || fila.id == comandos::kSalir)
            continue;
        SesionDePrueba p;
        const FotoDeMesa antes = Fotografia(p.sesion.mesa);
        p.sesion.Ejecuta(fila.id);
        const FotoDeMesa despues = Fotografia(p.sesion.mesa);
        if (!fila.modificaCircuito) {
            EXPECT_FALSE(p.sesion.comandos.Modificado()) << fila.id;
            // The PLA board is a tutorial aside: undoable, never saved.
            if (fila.id != comandos::kPLA) {
                EXPECT_FALSE(p.sesion.PuedeDeshacer()) << fila.id;
            }
            continue;
        }
        ++cambian;
        EXPECT_NE(despues, antes) << fila.id;
        EXPECT_TRUE(p.sesion.comandos.Modificado()) << fila.id;
        ASSERT_TRUE(p.sesion.PuedeDeshacer()) << fila.id;
        EXPECT_FALSE(p.sesion.PuedeRehacer()) << fila.id;
        p.sesion.Ejecuta(comandos::kDeshacer);
        EXPECT_EQ(Fotografia(p.sesion.mesa), antes) << fila.id;
        EXPECT_FALSE(p.sesion.PuedeDeshacer()) << "more than one step: " << fila.id;
        EXPECT_FALSE(p.sesion.comandos.Modificado()) << fila.id;
        ASSERT_TRUE(p.sesion.PuedeRehacer()) << fila.id;
        p.sesion.Ejecuta(comandos::kRehacer);
        EXPECT_EQ(Fotografia(p.sesion.mesa), despues) << fila.id;
    }
    // The five boards, the timer and every chip.
    EXPECT_EQ(cambian, 6 + static_cast<int>(Catalogo().size()));
}

TEST(TablaDeComandos, ConLaFuenteEncendidaSeRechazaJustoLoQueLaTablaDice) {
    prueba::CarpetaTemporal carpeta;
    for (const FilaDeComando& fila : TablaDeComandos()) {
        if (fila.clase == ClaseDeFila::Separador) continue;
        const bool deLaSesion = Sesion::EsSuyo(fila.id) || fila.clase == ClaseDeFila::Recientes;
        if (!deLaSesion) continue;
        SesionDePrueba p;
        p.dialogos.paraGuardar = carpeta.Archivo("guardado.txt");
        p.sesion.Ejecuta(comandos::kLeds);
        p.sesion.mesa.ConmutaFuente();
        ASSERT_TRUE(p.sesion.mesa.bON());
        p.avisos.mensajes.clear();
        if (fila.id == comandos::kSalir)
            EXPECT_FALSE(p.sesion.PuedeCerrar());
        else if (fila.clase == ClaseDeFila::Recientes)
            p.sesion.AbreArchivo(carpeta.Archivo("guardado.txt"));
        else
            p.sesion.Ejecuta(fila.id);
        if (fila.rechazoEncendido != nullptr) {
            ASSERT_EQ(p.avisos.mensajes.size(), 1u) << fila.id;
            EXPECT_EQ(p.avisos.mensajes[0].texto, fila.rechazoEncendido);
        } else {
            for (const auto& m : p.avisos.mensajes)
                EXPECT_NE(m.texto.rfind("Apague", 0), 0u) << fila.id << ": " << m.texto;
        }
    }
}

// A troubleshooting exercise: a 7400 whose pin 3 is stuck at 1, from the file beside it.
class FallosDeLaSesion : public ::testing::Test {
protected:
    void SetUp() override {
        circuito = carpeta.Archivo("ejercicio.txt");
        p.sesion.Ejecuta(7000);
        p.dialogos.paraGuardar = circuito;
        p.sesion.Ejecuta(comandos::kAlmacenarEn);
        ASSERT_FALSE(p.sesion.comandos.Modificado());
        std::ofstream(docencia::ArchivoDeFallosDe(circuito)) << "patilla 1 3 1\n";
        p.sesion.Ejecuta(comandos::kNuevo);
        ASSERT_TRUE(p.sesion.mesa.componentes().empty());
    }
    char Patilla3() { return p.sesion.mesa.componentes()[0].Fallo(3); }

    prueba::CarpetaTemporal carpeta;
    std::string circuito;
    SesionDePrueba p;
};

TEST_F(FallosDeLaSesion, SePlantanAlAbrirYSobrevivenADeshacerYRehacer) {
    p.dialogos.paraAbrir = circuito;
    p.sesion.Ejecuta(comandos::kRecuperar);
    ASSERT_EQ(p.sesion.mesa.componentes().size(), 1u);
    EXPECT_EQ(Patilla3(), '1');
    ASSERT_EQ(p.sesion.Fallos().size(), 1u);

    // Two changes and back: the restored states are the student's circuit, faults and all.
    p.sesion.Ejecuta(comandos::kLeds);
    p.sesion.Ejecuta(7001);
    p.sesion.Ejecuta(comandos::kDeshacer);
    p.sesion.Ejecuta(comandos::kDeshacer);
    EXPECT_FALSE(p.sesion.PuedeDeshacer()) << "the faults made no step of their own";
    EXPECT_EQ(Patilla3(), '1');
    p.sesion.Ejecuta(comandos::kRehacer);
    EXPECT_EQ(Patilla3(), '1');
    p.sesion.Ejecuta(comandos::kAlmacenar);

    // A new circuit is no exercise.
    p.sesion.Ejecuta(comandos::kNuevo);
    EXPECT_TRUE(p.sesion.Fallos().empty());
    p.sesion.Ejecuta(7000);
    p.sesion.Ejecuta(comandos::kDeshacer);
    p.sesion.Ejecuta(comandos::kRehacer);
    EXPECT_EQ(Patilla3(), 0);
}

TEST_F(FallosDeLaSesion, UnArchivoRecienteLosPlantaComoRecuperarYUnoQueNoEncajaNinguno) {
    p.sesion.AbreArchivo(circuito);
    EXPECT_EQ(Patilla3(), '1');

    // Chip 2 is not in the circuit: nothing is planted, nor later on undo.
    std::ofstream(docencia::ArchivoDeFallosDe(circuito)) << "patilla 1 3 1\npatilla 2 1 0\n";
    p.sesion.Ejecuta(comandos::kNuevo);
    p.sesion.AbreArchivo(circuito);
    EXPECT_EQ(Patilla3(), 0);
    EXPECT_TRUE(p.sesion.Fallos().empty());
    p.sesion.Ejecuta(comandos::kLeds);
    p.sesion.Ejecuta(comandos::kDeshacer);
    EXPECT_EQ(Patilla3(), 0);
}

}  // namespace
}  // namespace velistra
