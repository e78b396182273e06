// The window's menus, toolbar and keys against the command table: every row the desktop
// offers is reachable, with its text and keys, and undo and redo are greyed out exactly
// when there is nothing to undo or redo.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <set>

#include "Apoyo.h"
#include "Usuario.h"
#include "sesion/TablaDeComandos.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/BarraDeHerramientas.h"

namespace velistra {
namespace {

using prueba::LasImagenes;

struct Alcanzable {
    std::map<int, QAction*> acciones;
    std::set<QString> submenus;
};

void Recorre(QMenu& menu, Alcanzable& alcanzable) {
    for (QAction* accion : menu.actions()) {
        if (accion->isSeparator()) continue;
        if (QMenu* submenu = accion->menu()) {
            alcanzable.submenus.insert(submenu->title());
            Recorre(*submenu, alcanzable);
        } else if (accion->data().typeId() == QMetaType::Int) {
            EXPECT_TRUE(alcanzable.acciones.emplace(accion->data().toInt(), accion).second)
                << "two items for " << accion->data().toInt();
        }
    }
}

TEST(TablaDeComandosEnLaVentana, CadaFilaDelEscritorioEstaEnLosMenusOLaBarraConSusTeclas) {
    Programa programa(LasImagenes());
    Alcanzable menus;
    for (QAction* menu : programa.Principal().menuBar()->actions()) Recorre(*menu->menu(), menus);
    std::map<int, QAction*> botones;
    for (QAction* boton : programa.Principal().Herramientas().actions()) {
        if (!boton->isSeparator()) botones[boton->data().toInt()] = boton;
    }

    std::set<QKeySequence> teclas;
    for (const FilaDeComando& fila : TablaDeComandos()) {
        if (fila.clase == ClaseDeFila::Separador) continue;
        const bool enEscritorio = (fila.programas & kEscritorio) != 0;
        if (fila.clase == ClaseDeFila::Recientes) {
            EXPECT_TRUE(menus.submenus.contains(DelNucleo(fila.submenu)));
            continue;
        }
        const auto enMenu = menus.acciones.find(fila.id);
        if (fila.menu == MenuDeLaBarra::Ninguno) {
            EXPECT_EQ(enMenu, menus.acciones.end()) << fila.id;
        } else {
            ASSERT_EQ(enMenu != menus.acciones.end(), enEscritorio) << fila.id;
            if (!enEscritorio) continue;
            QAction& accion = *enMenu->second;
            QString texto = DelNucleo(fila.texto);
            if (texto.contains(QLatin1String("%1"))) texto = texto.arg(fila.valor);
            EXPECT_EQ(accion.text(), texto.replace(QLatin1Char('&'), QStringLiteral("&&"))) << fila.id;
            EXPECT_EQ(accion.isCheckable(), fila.marca != Marca::Ninguna) << fila.id;
            QList<QKeySequence> esperadas;
            for (const char* atajo : fila.atajos) {
                if (atajo == nullptr) continue;
                const QKeySequence tecla = QKeySequence::fromString(QString::fromLatin1(atajo), QKeySequence::PortableText);
                // The spelling reads back as written: one key, nothing lost.
                EXPECT_EQ(tecla.toString(QKeySequence::PortableText), QString::fromLatin1(atajo));
                EXPECT_TRUE(teclas.insert(tecla).second) << atajo;
                esperadas << tecla;
            }
            EXPECT_EQ(accion.shortcuts(), esperadas) << fila.id;
        }
        EXPECT_EQ(botones.contains(fila.id), fila.boton.orden > 0) << fila.id;
    }
    // Every item of the menus comes from the table.
    for (const auto& [id, accion] : menus.acciones) EXPECT_NE(FilaDeComandoDe(id), nullptr) << id;

    // A window item reaches the window: the pinout panel opens from its command id.
    const FilaDeComando* patillaje = FilaDeComandoDe(comandos::kPatillaje);
    ASSERT_NE(patillaje, nullptr);
    QAction* ver = menus.acciones.at(comandos::kPatillaje);
    EXPECT_FALSE(ver->isChecked());
    programa.Principal().Despacha(comandos::kPatillaje);
    EXPECT_TRUE(ver->isChecked());
}

TEST(TablaDeComandosEnLaVentana, DeshacerYRehacerSeApaganCuandoNoHayNadaQueDeshacerORehacer) {
    Programa programa(LasImagenes());
    programa.Principal().show();
    prueba::Usuario usuario(programa);
    const auto habilitados = [&programa, &usuario](int id) {
        // The menu item and the button, which must agree.
        QAction* menu = usuario.Accion(id);
        bool boton = false;
        for (QAction* a : programa.Principal().Herramientas().actions())
            if (a->data().toInt() == id) boton = a->isEnabled();
        EXPECT_EQ(menu->isEnabled(), boton) << id;
        return menu->isEnabled();
    };
    const auto estado = [&] {
        return std::make_pair(habilitados(comandos::kDeshacer), habilitados(comandos::kRehacer));
    };
    EXPECT_EQ(estado(), std::make_pair(false, false));

    usuario.AgregaTablero(comandos::kLeds);
    EXPECT_EQ(estado(), std::make_pair(true, false));
    usuario.Elige(comandos::kDeshacer);
    EXPECT_EQ(estado(), std::make_pair(false, true));
    usuario.Elige(comandos::kRehacer);
    EXPECT_EQ(estado(), std::make_pair(true, false));

    // A new circuit, its changes dropped, starts with nothing either way; so does one
    // loaded; a drag with the mouse is a step.
    prueba::DialogoVisto pregunta;
    prueba::ResponderAlMensaje(pregunta, QStringLiteral("&No"));
    usuario.Elige(comandos::kNuevo);
    EXPECT_EQ(estado(), std::make_pair(false, false));
    prueba::AbreConElDialogo(programa, std::string(VELISTRA_EJEMPLOS) + "/semisumador/circuito.txt");
    ASSERT_EQ(usuario.LaMesa().tablero().size(), 5u);
    EXPECT_EQ(estado(), std::make_pair(false, false));
    usuario.LlevaTablero(*usuario.LaMesa().tablero().back(), QPoint(300, 250));
    EXPECT_EQ(estado(), std::make_pair(true, false));
}

}  // namespace
}  // namespace velistra
