#include <gtest/gtest.h>

#include <array>
#include <string>

#include "chips/CircuitoElectronico.h"
#include "chips/Puertas.h"
#include "modelo/Componente.h"
#include "modelo/Puerto.h"
#include "plataforma/Recursos.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

// Pin 1 input, pin 2 output, pin 3 supply, pin 4 ground, one state bit (entry 5).
// Entry 10 is private memory: it toggles on every evaluation and the output shows the
// value it had, so the output only alternates if the memory survives.
class ModeloConMemoria final : public CircuitoElectronico {
public:
    static constexpr int kMemoria = 10;
    ModeloConMemoria() : CircuitoElectronico(9000, 4, 1, " ESVG") {}
    bool Funcion(bool* v) const override {
        const bool anterior = v[2];
        v[2] = v[kMemoria];
        v[kMemoria] = !v[kMemoria];
        return v[2] != anterior;
    }
    void EstadoInicial(bool* v) const override { v[5] = true; }
};

// Lone ports standing in for breadboard holes, one per pin.
struct Casillas {
    Puerto p[15];
    // A 14-pin chip's supply on pin 14 and ground on pin 7.
    void Alimenta() {
        p[14].TipoOriginal('V');
        p[14].Estado('1');
        p[7].TipoOriginal('G');
        p[7].Estado('0');
    }
    void Asigna(Componente& chip) {
        for (int i = 1; i <= chip.NumeroDePines(); ++i) chip.AsignaCasilla(&p[i], i);
    }
};

TEST(Componente, EnlazarElModeloTomaPinesTiposYEstadoInicial) {
    Componente chip;
    chip.Circuito(nullptr);
    EXPECT_EQ(chip.NumeroDePines(), 0);
    EXPECT_EQ(chip.Circuito(), nullptr);

    chip.Circuito(&ci7404);
    EXPECT_EQ(chip.NumeroDePines(), 14);
    EXPECT_EQ(chip.NumeroDeEstados(), 0);
    EXPECT_EQ(std::string(chip.TiposDePines() + 1), "ESESESGSESESEV");
    for (int i = 1; i <= 14; ++i) EXPECT_EQ(chip.Estado(i), '0') << i;

    const ModeloConMemoria modelo;
    Componente otro;
    otro.Circuito(&modelo);
    EXPECT_EQ(std::string(otro.TiposDePines() + 1), "ESVG");
    EXPECT_EQ(otro.Estado(5), '1');
    EXPECT_EQ(otro.Estado(2), '0');
}

TEST(Componente, TablasLimitadas) {
    Componente chip;
    EXPECT_EQ(chip.Estado(0), 'Z');
    EXPECT_EQ(chip.Estado(63), 'Z');
    chip.Estado(63, '1');
    chip.Estado(-4, '1');
    EXPECT_EQ(chip.Estado(63), 'Z');
    chip.Estado(62, '1');
    EXPECT_EQ(chip.Estado(62), '1');

    chip.NumeroDeEstados(10);
    chip.NumeroDePines(60);
    EXPECT_EQ(chip.NumeroDePines(), 0);
    chip.NumeroDePines(52);
    EXPECT_EQ(chip.NumeroDePines(), 52);
    chip.NumeroDeEstados(11);
    EXPECT_EQ(chip.NumeroDeEstados(), 10);
    chip.NumeroDePines(-2);
    EXPECT_EQ(chip.NumeroDePines(), 52);

    EXPECT_FALSE(chip.TieneCasilla(64));
    EXPECT_EQ(chip.DireccionDeCasilla(-1), nullptr);
    Puerto p;
    chip.AsignaCasilla(&p, 64);
    chip.AsignaCasilla(&p, 3);
    EXPECT_TRUE(chip.TieneCasilla(3));
    chip.AsignaCasilla(nullptr, 3);
    EXPECT_FALSE(chip.TieneCasilla(3));
}

TEST(Componente, EvaluaDesdeLosHuecosYExcitaLasSalidas) {
    Componente chip;
    chip.Circuito(&ci7404);
    Casillas c;
    c.Alimenta();
    c.Asigna(chip);
    c.p[1].Estado('0');  // pin 3 floats: 'Z' reads as high

    chip.CalculaFunciones();
    EXPECT_TRUE(chip.HayCambio());
    EXPECT_EQ(chip.Estado(3), '1');
    EXPECT_EQ(chip.Estado(2), '1');
    EXPECT_EQ(chip.Estado(4), '0');
    // Evaluation changes no port; driving does, outputs only.
    EXPECT_EQ(c.p[2].Estado(), 'Z');
    chip.Transmite();
    EXPECT_EQ(c.p[2].Estado(), '1');
    EXPECT_EQ(c.p[4].Estado(), '0');
    EXPECT_EQ(c.p[3].Estado(), 'Z');
    EXPECT_EQ(c.p[1].Estado(), '0');

    chip.CalculaFunciones();
    EXPECT_FALSE(chip.HayCambio());

    chip.TransmiteTipos();
    for (int i = 1; i <= 14; ++i) {
        const char esperado = chip.TiposDePines()[i] == 'S' ? 'S' : c.p[i].TipoOriginal();
        EXPECT_EQ(c.p[i].Tipo(), esperado) << i;
    }
}

TEST(Componente, SinAlimentacionLasSalidasCaenYHayCambioNoSeToca) {
    for (const int pinDeAlimentacion : {14, 7}) {
        for (const bool cambioPrevio : {true, false}) {
            Componente chip;
            chip.Circuito(&ci7404);
            Casillas c;
            c.Alimenta();
            c.p[1].Estado('0');
            c.Asigna(chip);
            chip.CalculaFunciones();  // pin 2 rises: a change
            if (!cambioPrevio) chip.CalculaFunciones();
            ASSERT_EQ(chip.HayCambio(), cambioPrevio);

            c.p[pinDeAlimentacion].TipoOriginal('F');
            c.p[1].Estado('1');
            chip.CalculaFunciones();
            EXPECT_EQ(chip.HayCambio(), cambioPrevio) << pinDeAlimentacion;
            for (int i = 1; i <= 14; ++i) {
                if (chip.TiposDePines()[i] == 'S') {
                    EXPECT_EQ(chip.Estado(i), '0') << i;
                }
            }
            // Inputs read before the missing supply was met are refreshed, later ones not.
            EXPECT_EQ(chip.Estado(1), '1');
        }
    }
}

// Faults and a failing supply take the pin-by-pin reading; the chip must come back to the
// plain one, and see its pins the same way, once they are gone.
TEST(Componente, FallosYAlimentacionQueFallaSeLeenPinAPin) {
    Componente chip;
    chip.Circuito(&ci7404);
    Casillas c;
    c.Alimenta();
    c.p[1].Estado('0');
    c.p[3].Estado('0');
    c.p[9].Estado('0');
    c.Asigna(chip);

    chip.Fallo(1, '1');
    chip.Fallo(3, 'A');
    EXPECT_TRUE(chip.TieneFallos());
    chip.CalculaFunciones();
    EXPECT_EQ(chip.Estado(1), '1');
    EXPECT_EQ(chip.Estado(2), '0');
    EXPECT_EQ(chip.Estado(3), '1');  // open: floats, reads high
    EXPECT_EQ(chip.Estado(4), '0');
    EXPECT_EQ(chip.Estado(8), '1');

    chip.Fallo(1, '\0');
    chip.Fallo(3, '\0');
    EXPECT_FALSE(chip.TieneFallos());
    EXPECT_TRUE(chip.PideEvaluacion());
    chip.CalculaFunciones();
    EXPECT_EQ(chip.Estado(1), '0');
    EXPECT_EQ(chip.Estado(2), '1');
    EXPECT_EQ(chip.Estado(4), '1');
    chip.CalculaFunciones();
    ASSERT_FALSE(chip.HayCambio());

    // Ground (pin 7) on a floating net: pins before it are read as they stand, raw, and
    // the ones after it are neither read nor watched until the ground comes back.
    c.p[7].TipoOriginal('F');
    c.p[1].Estado('Z');
    c.p[9].Estado('1');
    chip.CalculaFunciones();
    EXPECT_EQ(chip.Estado(1), 'Z');
    EXPECT_EQ(chip.Estado(9), '0');
    EXPECT_EQ(chip.Estado(2), '0');
    EXPECT_EQ(chip.Estado(8), '0');
    EXPECT_FALSE(chip.PideEvaluacion());
    c.p[11].Estado('0');
    EXPECT_FALSE(chip.PideEvaluacion());
    c.p[7].TipoOriginal('G');
    EXPECT_TRUE(chip.PideEvaluacion());
    chip.CalculaFunciones();
    EXPECT_EQ(chip.Estado(1), '1');
    EXPECT_EQ(chip.Estado(9), '1');
    EXPECT_EQ(chip.Estado(8), '0');
    EXPECT_EQ(chip.Estado(10), '1');
}

TEST(Componente, UnChipSinHuecosSeEvaluaSinExcitarNada) {
    Componente chip;
    chip.Circuito(&ci7404);
    chip.CalculaFunciones();
    EXPECT_EQ(chip.Estado(2), '0');  // its own supply entry still reads 0
    chip.Transmite();
    chip.TransmiteTipos();

    Componente inerte;
    inerte.NumeroDePines(10);
    inerte.CalculaFunciones();
    inerte.Reinicia();
    EXPECT_FALSE(inerte.HayCambio());
}

TEST(Componente, LaMemoriaPrivadaPersisteYReiniciaLaBorra) {
    const ModeloConMemoria modelo;
    Componente chip;
    chip.Circuito(&modelo);
    std::string salidas;
    for (int n = 0; n < 4; ++n) {
        chip.CalculaFunciones();
        salidas += chip.Estado(2);
    }
    EXPECT_EQ(salidas, "0101");

    // Copies are independent values.
    Componente copia = chip;
    copia.CalculaFunciones();
    EXPECT_EQ(copia.Estado(2), '0');
    EXPECT_EQ(chip.Estado(2), '1');

    chip.CalculaFunciones();  // leaves the memory set
    chip.Estado(5, '0');
    chip.Reinicia();
    EXPECT_EQ(chip.Estado(2), '0');
    EXPECT_EQ(chip.Estado(5), '1');
    chip.CalculaFunciones();
    EXPECT_EQ(chip.Estado(2), '0');  // memory restarted cleared
}

TEST(Componente, UbicadoArrastreYDesplazamiento) {
    Componente chip;
    chip.Imagenes(recursos::Chip14, recursos::Mascara14);
    chip.UbicaEn({100, 200});
    EXPECT_EQ(chip.Anchura(), 91);
    EXPECT_EQ(chip.Altura(), 41);

    EXPECT_TRUE(chip.Ubicado(100, 200));
    EXPECT_TRUE(chip.Ubicado(190, 240));
    EXPECT_FALSE(chip.Ubicado(190, 241));
    EXPECT_FALSE(chip.Ubicado(99, 220));
    // A miss still records the grab offset.
    EXPECT_FALSE(chip.Ubicado(191, 210));
    chip.EnMovimiento(300, 300);
    EXPECT_EQ(chip.Ubicacion(), (Punto{100, 200}));
    chip.Selecciona();
    chip.EnMovimiento(300, 300);
    EXPECT_EQ(chip.Ubicacion(), (Punto{209, 290}));
    chip.BotonArriba(0, 0);
    EXPECT_FALSE(chip.EstaMoviendo());
    chip.EnMovimiento(0, 0);
    EXPECT_EQ(chip.Ubicacion(), (Punto{209, 290}));

    chip.NumeroDeProtoboard(3);
    chip.Desplaza(4, {10, -5});
    EXPECT_EQ(chip.Ubicacion(), (Punto{209, 290}));
    chip.Desplaza(3, {10, -5});
    EXPECT_EQ(chip.Ubicacion(), (Punto{219, 285}));
}

TEST(Componente, DibujaMascaraImagenYEtiqueta) {
    Componente chip;
    chip.Codigo(7004);
    chip.UbicaEn({30, 60});
    prueba::LienzoDePrueba sinImagen;
    chip.Dibuja(sinImagen);
    EXPECT_TRUE(sinImagen.trazos.empty());

    chip.Imagenes(recursos::Chip14, recursos::Mascara14);
    chip.Etiqueta(true);
    prueba::LienzoDePrueba lienzo;
    chip.Dibuja(lienzo);
    ASSERT_EQ(lienzo.trazos.size(), 3u);
    const auto& mascara = lienzo.trazos[0];
    EXPECT_EQ(mascara.id, recursos::Mascara14.id);
    EXPECT_EQ(mascara.modo, ModoDeCopia::Y);
    EXPECT_EQ((std::array{mascara.a, mascara.b, mascara.c, mascara.d}), (std::array{30, 60, 91, 41}));
    EXPECT_EQ(lienzo.trazos[1].id, recursos::Chip14.id);
    EXPECT_EQ(lienzo.trazos[1].modo, ModoDeCopia::O);
    const auto& texto = lienzo.trazos[2];
    EXPECT_EQ(texto.texto, "74LS04");
    EXPECT_EQ(texto.a, 54);
    EXPECT_EQ(texto.b, 75);
    EXPECT_EQ(texto.color, Rgb(127, 127, 127));
    EXPECT_TRUE(texto.transparente);

    chip.Etiqueta(false);
    prueba::LienzoDePrueba sinEtiqueta;
    chip.Dibuja(sinEtiqueta);
    EXPECT_TRUE(sinEtiqueta.DeTipo(prueba::Trazo::Tipo::Texto).empty());
}

}  // namespace
}  // namespace velistra
