#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <map>
#include <string>
#include <vector>

#include "Apoyo.h"
#include "chips/Catalogo.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/ventana/BarraDeEstado.h"
#include "ui/ventana/BarraDeHerramientas.h"
#include "ui/ventana/DialogoDeAyuda.h"
#include "ui/ventana/ManejadorDeComandos.h"
#include "ui/ventana/VentanaDeMesa.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace velistra {
namespace {

using prueba::LasImagenes;

class ManejadorDePrueba final : public ManejadorDeComandos {
public:
    void Comando(int id) override { comandos.push_back(id); }
    bool PuedeCerrar() override {
        ++preguntasDeCierre;
        return dejaCerrar;
    }
    void Tic() override { ++tics; }

    std::vector<int> comandos;
    int preguntasDeCierre = 0;
    bool dejaCerrar = false;
    int tics = 0;
};

QMenu* Menu(const QMenuBar& barra, const QString& titulo) {
    for (QAction* accion : barra.actions()) {
        if (accion->text() == titulo) return accion->menu();
    }
    return nullptr;
}

QAction* AccionConId(QWidget& contenedor, int id) {
    for (QAction* accion : contenedor.findChildren<QAction*>()) {
        if (accion->data().toInt() == id && !accion->isSeparator()) return accion;
    }
    return nullptr;
}

TEST(VentanaPrincipal, TituloTamanoYPosicion) {
    VentanaPrincipal ventana(LasImagenes());
    EXPECT_EQ(ventana.windowTitle(), QStringLiteral("Velistra 0.9.7"));
    EXPECT_EQ(ventana.size(), QSize(1024, 740));
    EXPECT_EQ(ventana.pos(), QPoint(0, 0));
}

TEST(VentanaPrincipal, LosMenusFijosTienenSusTextosYSusComandos) {
    VentanaPrincipal ventana(LasImagenes());
    QStringList titulos;
    for (QAction* accion : ventana.menuBar()->actions()) titulos << accion->text();
    EXPECT_EQ(titulos,
              (QStringList{"&Circuitos", "Edición", "Ver", "Tableros", "Circuitos TTL", "Tutoriales",
                           "Ayuda"}));

    struct Elemento {
        QString menu;
        int id;  // 0: separator
        QString texto;
    };
    const std::vector<Elemento> esperados{
        {"&Circuitos", 101, "Nuevo"},
        {"&Circuitos", 102, "Recuperar..."},
        {"&Circuitos", 103, "Almacenar"},
        {"&Circuitos", 104, "Almacenar en..."},
        {"&Circuitos", 0, ""},
        {"&Circuitos", 905, "Salir"},
        {"Edición", 110, "Deshacer"},
        {"Edición", 111, "Rehacer"},
        {"Edición", 0, ""},
        {"Edición", 112, "Cortar"},
        {"Edición", 113, "Copiar"},
        {"Edición", 114, "Pegar"},
        {"Edición", 115, "Borrar selección"},
        {"Edición", 116, "Seleccionar todo"},
        {"Tableros", 4999, "Protoboard (breadboard)"},
        {"Tableros", 4998, "Interruptores"},
        {"Tableros", 4997, "Pulsadores"},
        {"Tableros", 4996, "Leds"},
        {"Tableros", 4995, "Leds de siete segmentos"},
        {"Tableros", 4994, "Temporizador"},
        {"Tutoriales", 4992, "PLA de 4 x 8 x 4"},
        {"Ayuda", 300, "Contacto.."},
    };
    std::map<QString, int> posicion;
    for (const Elemento& e : esperados) {
        QMenu* menu = Menu(*ventana.menuBar(), e.menu);
        ASSERT_NE(menu, nullptr) << e.menu.toStdString();
        const int i = posicion[e.menu]++;
        ASSERT_LT(i, menu->actions().size());
        QAction* accion = menu->actions()[i];
        if (e.id == 0) {
            EXPECT_TRUE(accion->isSeparator());
            continue;
        }
        EXPECT_EQ(accion->data().toInt(), e.id);
        EXPECT_EQ(accion->text(), e.texto);
    }
    for (const auto& [menu, cuantos] : posicion)
        EXPECT_EQ(Menu(*ventana.menuBar(), menu)->actions().size(), cuantos);
}

// Every leaf item under `menu`, with the path of submenus that holds it.
void Hojas(QMenu& menu, const std::string& ruta,
           std::map<int, std::pair<std::string, QString>>& hojas,
           std::map<std::string, QStringList>& submenus) {
    for (QAction* accion : menu.actions()) {
        if (QMenu* sub = accion->menu()) {
            submenus[ruta] << sub->title();
            const std::string debajo =
                (ruta.empty() ? "" : ruta + " > ") + sub->title().toStdString();
            Hojas(*sub, debajo, hojas, submenus);
        } else {
            hojas[accion->data().toInt()] = {ruta, accion->text()};
        }
    }
}

TEST(VentanaPrincipal, ElMenuDeChipsSigueElCatalogo) {
    VentanaPrincipal ventana(LasImagenes());
    QMenu* ttl = Menu(*ventana.menuBar(), "Circuitos TTL");
    ASSERT_NE(ttl, nullptr);
    std::map<int, std::pair<std::string, QString>> hojas;
    std::map<std::string, QStringList> submenus;
    Hojas(*ttl, "", hojas, submenus);

    ASSERT_EQ(hojas.size(), 88u);
    // Submenus in the order the table first names them, at every level.
    std::map<std::string, QStringList> esperados;
    for (const FichaDeChip& ficha : Catalogo()) {
        const auto hoja = hojas.find(ficha.codigoDeCatalogo);
        ASSERT_NE(hoja, hojas.end()) << ficha.codigoDeCatalogo;
        EXPECT_EQ(hoja->second.first, ficha.grupo) << ficha.codigoDeCatalogo;
        EXPECT_EQ(hoja->second.second, QString::fromUtf8(ficha.texto)) << ficha.codigoDeCatalogo;
        std::string ruta;
        const std::string grupo = ficha.grupo;
        for (std::size_t inicio = 0; inicio < grupo.size();) {
            std::size_t fin = grupo.find(" > ", inicio);
            if (fin == std::string::npos) fin = grupo.size();
            const QString nombre = QString::fromStdString(grupo.substr(inicio, fin - inicio));
            if (!esperados[ruta].contains(nombre)) esperados[ruta] << nombre;
            ruta = grupo.substr(0, fin);
            inicio = fin + 3;
        }
    }
    EXPECT_EQ(submenus, esperados);
    EXPECT_EQ(submenus[""],
              (QStringList{"Puertas básicas", "Combinacionales", "Secuenciales", "Memoria"}))
        << "first appearance in the table";
}

TEST(VentanaPrincipal, LaBarraDeHerramientasNombraCadaBotonYSuTecla) {
    VentanaPrincipal ventana(LasImagenes());
    ventana.show();
    BarraDeHerramientas& barra = ventana.Herramientas();
    std::vector<int> ids;
    std::vector<bool> separadores;
    for (QAction* accion : barra.actions()) {
        separadores.push_back(accion->isSeparator());
        if (accion->isSeparator()) continue;
        ids.push_back(accion->data().toInt());
        EXPECT_TRUE(accion->text().isEmpty());
        EXPECT_FALSE(accion->toolTip().isEmpty());
        EXPECT_FALSE(accion->icon().isNull());
        EXPECT_TRUE(accion->isEnabled());
    }
    EXPECT_EQ(ids, (std::vector<int>{101, 102, 103, 120, 110, 111}));
    EXPECT_EQ(separadores,
              (std::vector<bool>{false, false, true, false, true, false, true, false, false}));
    EXPECT_EQ(AccionConId(barra, 101)->toolTip(), QStringLiteral("Nuevo (Ctrl+N)"));
    EXPECT_EQ(AccionConId(barra, 110)->toolTip(), QStringLiteral("Deshacer (Ctrl+Z)"));
    EXPECT_EQ(AccionConId(barra, 120)->toolTip(), QStringLiteral("Color de los cables nuevos"));
    // The same keys in the menus, shown beside each item.
    EXPECT_EQ(AccionConId(*ventana.menuBar(), 104)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_EQ(AccionConId(*ventana.menuBar(), 111)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    EXPECT_EQ(AccionConId(*ventana.menuBar(), 300)->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(barra.iconSize(), QSize(16, 16));

    // The colour of new wires is drawn at workbench-window x 86 to 105: under its button.
    QWidget* color = barra.widgetForAction(AccionConId(barra, 120));
    const int izquierda =
        color->mapTo(&ventana, QPoint(0, 0)).x() - ventana.Mesa().mapTo(&ventana, QPoint(0, 0)).x();
    EXPECT_LE(izquierda, 86);
    EXPECT_GE(izquierda + color->width() - 1, 105);
}

TEST(VentanaPrincipal, LosComandosLleganAlManejadorYAyudaYSalirSeQuedanEnLaVentana) {
    VentanaPrincipal ventana(LasImagenes());
    ManejadorDePrueba manejador;
    ventana.Manejador(&manejador);
    ventana.show();

    AccionConId(*ventana.menuBar(), 4998)->trigger();
    AccionConId(*ventana.menuBar(), 7000)->trigger();
    AccionConId(*ventana.menuBar(), 7669)->trigger();
    AccionConId(ventana.Herramientas(), 120)->trigger();
    AccionConId(ventana.Herramientas(), 101)->trigger();

    bool ayudaAbierta = false;
    prueba::AlAbrirseUnDialogo([&](QWidget* dialogo) {
        auto* ayuda = qobject_cast<DialogoDeAyuda*>(dialogo);
        ayudaAbierta = ayuda != nullptr;
        if (ayuda != nullptr) ayuda->Boton().click();
    });
    AccionConId(*ventana.menuBar(), 300)->trigger();
    EXPECT_TRUE(ayudaAbierta);

    AccionConId(*ventana.menuBar(), 905)->trigger();
    EXPECT_EQ(manejador.preguntasDeCierre, 1);
    EXPECT_TRUE(ventana.isVisible()) << "the handler refused";
    EXPECT_EQ(manejador.comandos, (std::vector<int>{4998, 7000, 7669, 120, 101}));

    manejador.dejaCerrar = true;
    EXPECT_TRUE(ventana.close());
    EXPECT_FALSE(ventana.isVisible());
}

TEST(VentanaPrincipal, ElTemporizadorLlegaAlManejador) {
    VentanaPrincipal ventana(LasImagenes());
    ManejadorDePrueba manejador;
    ventana.Manejador(&manejador);
    EXPECT_TRUE(QTest::qWaitFor([&] { return manejador.tics >= 2; }, 10000));
}

TEST(VentanaPrincipal, LaBarraDeEstadoMuestraLaPosicionYSeLimpiaAlCambiarDeTamano) {
    VentanaPrincipal ventana(LasImagenes());
    ventana.show();
    BarraDeEstado& estado = ventana.Estado();
    EXPECT_EQ(estado.Parte(1).width(), 70);
    EXPECT_EQ(estado.Parte(2).width(), 40);
    EXPECT_EQ(estado.Parte(3).width(), 100);
    EXPECT_GT(estado.Parte(0).width(), estado.Parte(3).width());
    EXPECT_LT(estado.Parte(2).geometry().right(), estado.Parte(3).geometry().left());

    ventana.Mesa().horizontalScrollBar()->setValue(100);
    ventana.Mesa().verticalScrollBar()->setValue(40);
    QWidget* vista = ventana.Mesa().viewport();
    QMouseEvent movimiento(QEvent::MouseMove, QPointF(0, 0), vista->mapToGlobal(QPointF(0, 0)),
                           Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(vista, &movimiento);
    EXPECT_EQ(estado.Parte(3).text(), QStringLiteral("(100, 40)"));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(estado.Parte(i).text().isEmpty());

    estado.Parte(0).setText(QStringLiteral("algo"));
    ventana.resize(900, 700);
    QCoreApplication::processEvents();
    for (int i = 0; i < BarraDeEstado::kPartes; ++i)
        EXPECT_TRUE(estado.Parte(i).text().isEmpty()) << i;
}

}  // namespace
}  // namespace velistra
