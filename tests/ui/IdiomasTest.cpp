#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QToolBar>
#include <QTranslator>
#include <memory>

#include "Apoyo.h"
#include "plataforma/Traducible.h"
#include "sesion/Recuperacion.h"
#include "support/Proceso.h"
#include "ui/idiomas/EleccionDeIdioma.h"
#include "ui/idiomas/TextosDelNucleo.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/BarraDeHerramientas.h"
#include "ui/ventana/DialogoDeAyuda.h"

namespace velistra {
namespace {

using prueba::LasImagenes;

// The catalogue, noting which of the program's texts were asked for and found.
class TraductorQueAnota final : public QTranslator {
public:
    TraductorQueAnota() { EXPECT_TRUE(CargaElCatalogo(catalogo_)); }
    QString translate(const char* contexto, const char* fuente, const char* desambiguacion,
                      int n) const override {
        const QString traducido = catalogo_.translate(contexto, fuente, desambiguacion, n);
        const QByteArray de(contexto);
        if (!de.startsWith("velistra::")) return traducido;
        if (!traducido.isEmpty()) traducidos.insert(QString::fromUtf8(fuente));
        // The core's context is asked about anything the core hands over, file names too;
        // its own texts are checked one by one below.
        else if (de != idiomas::kContextoDelNucleo)
            sinTraduccion.insert(QString::fromUtf8(fuente));
        return traducido;
    }
    mutable QSet<QString> sinTraduccion;
    mutable QSet<QString> traducidos;

private:
    QTranslator catalogo_;
};

// Every text a user reads in the window: menus (with their submenus), the toolbar's
// tooltips, the title and the help dialog.
void Recorre(const QMenu& menu, QStringList& textos) {
    textos << menu.title();
    for (const QAction* accion : menu.actions()) {
        if (accion->isSeparator()) continue;
        if (accion->menu() != nullptr)
            Recorre(*accion->menu(), textos);
        else
            textos << accion->text();
    }
}

QStringList TextosDeLaVentana() {
    Programa programa(LasImagenes());
    VentanaPrincipal& ventana = programa.Principal();
    QStringList textos{ventana.windowTitle()};
    for (const QAction* accion : ventana.menuBar()->actions()) Recorre(*accion->menu(), textos);
    for (const QAction* accion : ventana.Herramientas().actions())
        if (!accion->isSeparator()) textos << accion->toolTip();
    DialogoDeAyuda ayuda(&ventana);
    textos << ayuda.windowTitle();
    for (const QLabel* etiqueta : ayuda.findChildren<QLabel*>()) textos << etiqueta->text();
    textos << ayuda.Boton().text();
    return textos;
}

class Idiomas : public ::testing::Test {
protected:
    void TearDown() override { InstalaIdioma(Idioma::Espanol); }
};

TEST_F(Idiomas, EnInglesNingunTextoDeLaVentanaQuedaSinTraducir) {
    InstalaIdioma(Idioma::Espanol);
    const QStringList espanol = TextosDeLaVentana();
    InstalaIdioma(Idioma::Ingles);
    TraductorQueAnota anota;
    QCoreApplication::installTranslator(&anota);
    const QStringList ingles = TextosDeLaVentana();
    QCoreApplication::removeTranslator(&anota);

    EXPECT_TRUE(anota.sinTraduccion.isEmpty())
        << anota.sinTraduccion.values().join(u'|').toStdString();
    // Same menus, same submenus: each group path names its levels the same way everywhere.
    ASSERT_EQ(espanol.size(), ingles.size());
    // The levels of the chip menu's group paths ("Puertas básicas > Xor") are translated whole.
    QSet<QString> traducidos = anota.traducidos;
    for (const QString& fuente : anota.traducidos)
        for (const QString& nivel : fuente.split(QStringLiteral(" > "))) traducidos.insert(nivel);
    for (qsizetype i = 0; i < espanol.size(); ++i) {
        // A text that reads the same in English must still have come from the catalogue.
        const bool igualPeroTraducido =
            traducidos.contains(espanol[i]) ||
            traducidos.contains(
                QString(espanol[i]).replace(QStringLiteral("&&"), QStringLiteral("&")));
        const bool sinPalabras =
            !espanol[i].contains(QRegularExpression(QStringLiteral("[a-zA-Z]{3}"))) ||
            espanol[i] == QStringLiteral("Velistra 0.9.7") ||
            espanol[i] == QStringLiteral("Velistra") ||
            // each language is named in its own
            espanol[i] == QStringLiteral("Español") || espanol[i] == QStringLiteral("English");
        EXPECT_TRUE(espanol[i] != ingles[i] || igualPeroTraducido || sinPalabras)
            << "sin traducir: " << espanol[i].toStdString();
    }
    EXPECT_TRUE(ingles.contains(QStringLiteral("&Circuits")));
    EXPECT_TRUE(ingles.contains(QStringLiteral("Version 0.9.7 (2541180) - May 2011")));
    EXPECT_TRUE(ingles.contains(QStringLiteral("Language")));
}

TEST_F(Idiomas, LosTextosDelNucleoSeTraducenTambienConSusNumerosYNombres) {
    InstalaIdioma(Idioma::Ingles);
    QTranslator catalogo;
    ASSERT_TRUE(CargaElCatalogo(catalogo));
    for (const char* texto : idiomas::TextosDelNucleo())
        EXPECT_FALSE(catalogo.translate(idiomas::kContextoDelNucleo, texto).isEmpty()) << texto;

    EXPECT_EQ(DelNucleo("Error en la lectura del archivo."),
              QStringLiteral("Error reading the file."));
    // A template with its arguments; the name keeps its own words (even a %1).
    EXPECT_EQ(DelNucleo(Recuperacion::MensajeDeOferta({"", "/tmp/el chip %1.txt"})),
              QStringLiteral("The program closed without saving the changes to the circuit "
                             "/tmp/el chip %1.txt. Recover the changes or discard them?"));
    EXPECT_EQ(DelNucleo(Mensaje("el chip %1 no tiene la patilla %2",
                                {Mensaje::Entero(3), Mensaje::Entero(20)})),
              QStringLiteral("chip 3 has no pin 20"));
    // A file name in the title is no text of the program.
    EXPECT_EQ(DelNucleo("/home/ana/Nuevo circuito.txt"),
              QStringLiteral("/home/ana/Nuevo circuito.txt"));
}

TEST_F(Idiomas, EnEspanolNingunTraductorCambiaNada) {
    InstalaIdioma(Idioma::Espanol);
    for (const char* texto : idiomas::TextosDelNucleo())
        EXPECT_EQ(DelNucleo(texto).toUtf8(), QByteArray(texto));
    EXPECT_EQ(QCoreApplication::translate("velistra::Menus", "Salir"), QStringLiteral("Salir"));
    EXPECT_EQ(DelNucleo(Recuperacion::MensajeDeOferta({"", "a.txt"})),
              QString::fromStdString(Recuperacion::Oferta({"", "a.txt"})));
    const QStringList textos = TextosDeLaVentana();
    EXPECT_TRUE(textos.contains(QStringLiteral("Versión 0.9.7 (2541180) - Mayo de 2011")));
    EXPECT_TRUE(textos.contains(QStringLiteral("¡ Vamo' Pa' Chincha Familia !")));
}

TEST_F(Idiomas, LaEleccionGuardadaPasaDelanteDelEntornoYLaLineaDeOrdenesDeTodo) {
    GuardaIdioma(Idioma::Ingles);
    EXPECT_EQ(IdiomaAlEmpezar(std::nullopt), Idioma::Ingles);
    EXPECT_EQ(IdiomaAlEmpezar(Idioma::Espanol), Idioma::Espanol);
    GuardaIdioma(Idioma::Espanol);
    EXPECT_EQ(IdiomaAlEmpezar(std::nullopt), Idioma::Espanol);
    EXPECT_EQ(IdiomaAlEmpezar(Idioma::Ingles), Idioma::Ingles);

    // The menu item saves the choice; the current language stays checked until the next start.
    Programa programa(LasImagenes());
    QAction* english = nullptr;
    for (QAction* a : programa.Principal().menuBar()->findChildren<QAction*>())
        if (a->text() == QStringLiteral("English")) english = a;
    ASSERT_NE(english, nullptr);
    EXPECT_FALSE(english->isChecked());
    prueba::AlAbrirseUnDialogo([](QWidget* aviso) { aviso->close(); });
    english->trigger();
    EXPECT_EQ(IdiomaGuardado(), Idioma::Ingles);
    GuardaIdioma(Idioma::Espanol);
}

TEST_F(Idiomas, ElProgramaRechazaOtroIdiomaAntesDeAbrirLaVentana) {
    prueba::Lanzamiento l;
    l.programa = VELISTRA_PROGRAMA;
    l.argumentos = {"--idioma", "fr"};
    prueba::ResultadoDelProceso r = prueba::Ejecuta(l);
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.errores, "velistra: --idioma admite es o en\n");
    l.argumentos = {"--idioma"};
    l.entorno = {"LANG=en_US.UTF-8"};
    r = prueba::Ejecuta(l);
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.errores, "velistra: --idioma takes es or en\n");
}

}  // namespace
}  // namespace velistra
