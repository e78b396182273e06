// The showcase circuit, supply on, drawn by the browser's canvas: the desktop's picture
// to the pixel, but for the letters, whose shapes the two font engines may hint apart.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QScrollBar>

#include "ComparaConElEscritorio.h"
#include "Escaparate.h"
#include "support/LienzoDePrueba.h"
#include "ui/plataforma/FuenteDelLienzo.h"
#include "ui/ventana/VentanaDeMesa.h"
#include "web/lienzo/LienzoDeMapa.h"

namespace velistra {
namespace {

using prueba::Escaparate;

class EscaparateEnElNavegador : public Escaparate {
protected:
    void SetUp() override {
        Monta();
        ASSERT_FALSE(HasFailure());
        usuario.AccionaFuente();
        usuario.AccionaPalanca(*interruptores, 0);
        usuario.AccionaPalanca(*interruptores, 2);
        ProgramaLaPLA();
    }

    // Every text box the workbench draws, as either font measures it, with a margin.
    QRegion Letras(QPoint origen = QPoint(0, 0)) {
        prueba::LienzoDePrueba grabador;
        programa.LaSesion().Pinta(grabador);
        const QFontMetrics medidas(FuenteDelLienzo());
        QRegion letras;
        for (const prueba::Trazo& t : grabador.DeTipo(prueba::Trazo::Tipo::Texto)) {
            const int ancho = std::max(medidas.horizontalAdvance(QString::fromStdString(t.texto)),
                                       prueba::LosRecursosDeLaWeb().fuente.Anchura(t.texto));
            letras += QRect(t.a - 2, t.b - 2, ancho + 4, medidas.height() + 4).translated(-origen);
        }
        return letras;
    }
};

TEST_F(EscaparateEnElNavegador, LaMesaEnteraEsLaDelEscritorio) {
    Sesion& sesion = programa.LaSesion();
    const auto dibujo = [&](Lienzo& l) { sesion.Pinta(l); };
    const QSize mesaEntera(VentanaDeMesa::kAncho, VentanaDeMesa::kAlto);
    const QImage escritorio = prueba::DibujaEnElEscritorio(mesaEntera, dibujo);
    const QImage navegador = prueba::DibujaEnElNavegador(mesaEntera, dibujo);
    const QRegion letras = Letras();
    // Chip labels and the PLA's letters: a small part of the picture.
    long long tapado = 0;
    for (const QRect& r : letras) tapado += static_cast<long long>(r.width()) * r.height();
    EXPECT_GT(tapado, 0);
    EXPECT_LT(tapado, mesaEntera.width() * mesaEntera.height() / 200);
    // VELISTRA_ESCAPARATE_WEB=CARPETA keeps both pictures, to look at them side by side.
    if (const QString carpeta = qEnvironmentVariable("VELISTRA_ESCAPARATE_WEB"); !carpeta.isEmpty()) {
        escritorio.save(carpeta + QStringLiteral("/escritorio.png"));
        navegador.save(carpeta + QStringLiteral("/navegador.png"));
    }
    EXPECT_TRUE(prueba::MismosPixeles(escritorio, navegador, letras));
    // Not a blank page that matches a blank page.
    EXPECT_GT(escritorio.copy(QRect(100, 150, 900, 300)).convertToFormat(QImage::Format_Indexed8).colorCount(), 8);
}

// What the window shows, scrolled, is what a page of the same size shows at that offset.
TEST_F(EscaparateEnElNavegador, LaParteVisibleEsLaDeLaVentana) {
    VentanaDeMesa& ventana = usuario.Ventana();
    ventana.horizontalScrollBar()->setValue(140);
    ventana.verticalScrollBar()->setValue(35);
    QCoreApplication::processEvents();
    const QPoint desplazamiento = ventana.Desplazamiento();
    ASSERT_EQ(desplazamiento, QPoint(140, 35));
    const QImage vista = usuario.Vista();

    // The session keeps the offset (the colour bar moves with it); the page shows it.
    Sesion& sesion = programa.LaSesion();
    ASSERT_EQ(sesion.editor.Desplazamiento(), (Punto{140, 35}));
    const QImage pagina = prueba::DibujaEnElNavegador(
        vista.size(), [&](Lienzo& l) { sesion.Pinta(l); }, desplazamiento);
    EXPECT_TRUE(prueba::MismosPixeles(vista, pagina, Letras(desplazamiento)));
}

}  // namespace
}  // namespace velistra
