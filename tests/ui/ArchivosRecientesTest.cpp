// "Archivos recientes" and the window's place, kept between runs: each Programa here is
// a run of the program, and the settings live in the test run's own folder.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <filesystem>

#include "Apoyo.h"
#include "support/CarpetaTemporal.h"
#include "support/Proceso.h"
#include "ui/programa/Programa.h"

namespace velistra {
namespace {

void OlvidaLasPreferencias() { QSettings(QStringLiteral("Velistra"), QStringLiteral("Velistra")).clear(); }

QMenu& Recientes(Programa& programa) {
    QMenu& circuitos = *programa.Principal().menuBar()->actions().front()->menu();
    for (QAction* a : circuitos.actions()) {
        if (a->menu() != nullptr && a->text() == QStringLiteral("Archivos recientes")) {
            // What opening the submenu shows.
            emit a->menu()->aboutToShow();
            return *a->menu();
        }
    }
    throw std::runtime_error("no hay «Archivos recientes»");
}

QStringList Textos(QMenu& menu) {
    QStringList textos;
    for (QAction* a : menu.actions()) textos << a->text();
    return textos;
}

using prueba::AbreConElDialogo;

struct Circuitos {
    prueba::CarpetaTemporal carpeta;

    std::string Copia(const std::string& nombre) {
        const std::string ruta = carpeta.Archivo(nombre);
        std::filesystem::copy_file(std::string(VELISTRA_EJEMPLOS) + "/semisumador/circuito.txt", ruta);
        return ruta;
    }
};

TEST(ArchivosRecientes, ElUltimoAbiertoVaPrimeroYElegirloLoAbre) {
    OlvidaLasPreferencias();
    Circuitos c;
    const std::string a = c.Copia("a.txt");
    const std::string b = c.Copia("b.txt");
    {
        Programa programa{prueba::LasImagenes()};
        EXPECT_EQ(Textos(Recientes(programa)), QStringList{"Ninguno"});
        AbreConElDialogo(programa, a);
        AbreConElDialogo(programa, b);
        EXPECT_EQ(Textos(Recientes(programa)), (QStringList{QString::fromStdString(b), QString::fromStdString(a)}));
    }
    // The next run finds them, and choosing one loads it.
    Programa programa{prueba::LasImagenes()};
    QMenu& recientes = Recientes(programa);
    ASSERT_EQ(recientes.actions().size(), 2);
    recientes.actions()[1]->trigger();
    EXPECT_EQ(programa.LaSesion().comandos.Archivo(), a);
    EXPECT_EQ(programa.Principal().windowTitle(), QString::fromStdString(a));
    EXPECT_EQ(programa.LaSesion().mesa.tablero().size(), 5u);
    EXPECT_EQ(Textos(Recientes(programa)), (QStringList{QString::fromStdString(a), QString::fromStdString(b)}));

    // The design's items keep their order; the submenu follows "Almacenar en...".
    QStringList circuitos;
    for (QAction* accion : programa.Principal().menuBar()->actions().front()->menu()->actions())
        circuitos << accion->text();
    EXPECT_EQ(circuitos.mid(0, 5), (QStringList{"Nuevo", "Recuperar...", "Almacenar", "Almacenar en...",
                                                "Archivos recientes"}));
    EXPECT_EQ(circuitos.last(), "Salir");
}

TEST(ArchivosRecientes, UnoQueYaNoEstaSeQuitaConUnAviso) {
    OlvidaLasPreferencias();
    Circuitos c;
    const std::string a = c.Copia("a.txt");
    const std::string b = c.Copia("b.txt");
    Programa programa{prueba::LasImagenes()};
    AbreConElDialogo(programa, a);
    AbreConElDialogo(programa, b);
    std::filesystem::remove(a);

    QString aviso;
    prueba::AlAbrirseUnDialogo([&aviso](QWidget* dialogo) {
        auto* caja = qobject_cast<QMessageBox*>(dialogo);
        ASSERT_NE(caja, nullptr);
        aviso = caja->windowTitle() + ": " + caja->text();
        caja->accept();
    });
    Recientes(programa).actions()[1]->trigger();
    EXPECT_EQ(aviso, QString::fromStdString("Error de archivos: No se encuentra el archivo «" + a +
                                            "»; se quita de los archivos recientes."));
    // Nothing else happened: the open circuit stays.
    EXPECT_EQ(programa.LaSesion().comandos.Archivo(), b);
    EXPECT_EQ(Textos(Recientes(programa)), QStringList{QString::fromStdString(b)});
}

TEST(ArchivosRecientes, LaListaGuardaLosOchoUltimos) {
    OlvidaLasPreferencias();
    Circuitos c;
    Programa programa{prueba::LasImagenes()};
    QStringList abiertos;
    for (int i = 0; i < 10; ++i) {
        const std::string ruta = c.Copia("c" + std::to_string(i) + ".txt");
        AbreConElDialogo(programa, ruta);
        abiertos.prepend(QString::fromStdString(ruta));
    }
    // Opened again, a file moves up instead of coming twice.
    AbreConElDialogo(programa, abiertos[3].toStdString());
    abiertos.move(3, 0);
    EXPECT_EQ(Textos(Recientes(programa)), abiertos.mid(0, 8));
}

TEST(ArchivosRecientes, LaVentanaVuelveDondeSeCerro) {
    OlvidaLasPreferencias();
    {
        Programa programa{prueba::LasImagenes()};
        VentanaPrincipal& ventana = programa.Principal();
        // The first start is the design's.
        EXPECT_EQ(ventana.size(), QSize(1024, 740));
        EXPECT_EQ(ventana.pos(), QPoint(0, 0));
        ventana.show();
        ventana.setGeometry(QRect(60, 80, 900, 640));
        ASSERT_TRUE(ventana.close());
    }
    Programa programa{prueba::LasImagenes()};
    EXPECT_EQ(programa.Principal().geometry(), QRect(60, 80, 900, 640));
}

}  // namespace
}  // namespace velistra
