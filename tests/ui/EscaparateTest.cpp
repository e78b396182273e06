// The program's showcase: every kind of board, chips of several packages and a wired
// circuit built with the mouse, with the supply on. A BCD decoder shows a digit picked
// with the levers, an inverter and the timer drive lamps, and the PLA board computes
// two functions. `--captura RUTA` also saves the main window's picture there.
#include <gtest/gtest.h>

#include "Escaparate.h"
#include "plataforma/Recursos.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {
namespace {

using prueba::Escaparate;
using prueba::LasImagenes;

TEST_F(Escaparate, ElDecodificadorMuestraElDigitoDeLasPalancasYLaPLACalcula) {
    Monta();
    ASSERT_FALSE(HasFailure());
    usuario.AccionaFuente();
    ASSERT_TRUE(mesa.bON());
    // 5 = 0101: A and C up.
    usuario.AccionaPalanca(*interruptores, 0);
    usuario.AccionaPalanca(*interruptores, 2);
    ProgramaLaPLA();

    auto& digito = dynamic_cast<TableroDeLuces&>(*display);
    std::string segmentos;
    for (int s = 0; s < 7; ++s) segmentos += digito.EstadoDeLed(s) ? '1' : '0';
    EXPECT_EQ(segmentos, "1011011") << "a b c d e f g of a 5";
    EXPECT_TRUE(dynamic_cast<TableroDeLuces&>(*leds).EstadoDeLed(0));
    auto& tablero = dynamic_cast<TableroPLA&>(*pla);
    EXPECT_TRUE(tablero.Salida(0));
    EXPECT_TRUE(tablero.Salida(1));
    EXPECT_FALSE(tablero.Salida(2));
    // Its lamps, in the picture.
    const QImage vista = usuario.Vista();
    const QImage& encendida = *LasImagenes().Busca(recursos::PlaLedEncendido.id);
    for (int salida = 0; salida < TableroPLA::kEntradas; ++salida) {
        const Recuadro r = tablero.Led(salida).Region();
        const QRect zona(usuario.EnVentana({r.izquierda, r.arriba}),
                         usuario.EnVentana({r.derecha - 1, r.abajo - 1}));
        EXPECT_EQ(prueba::Apariciones(vista, encendida, zona).size(), salida < 2 ? 1u : 0u)
            << salida;
    }

    if (!prueba::RutaDeLaCaptura().isEmpty()) {
        QCoreApplication::processEvents();
        EXPECT_TRUE(programa.Principal().grab().save(prueba::RutaDeLaCaptura()));
    }
    if (!prueba::RutaDeLaCapturaEntera().isEmpty()) {
        programa.Principal().Mesa().AjustaALaVentana();
        QCoreApplication::processEvents();
        EXPECT_TRUE(programa.Principal().grab().save(prueba::RutaDeLaCapturaEntera()));
    }
}

}  // namespace
}  // namespace velistra
