#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/BancoDePrueba.h"

namespace velistra {
namespace {

using prueba::BancoDePrueba;
using prueba::kInversores7404;

const char* const kAvisoDeRealimentacion =
    "El circuito posee realimentaciones y el límite de\n"
    "iteraciones para hallar una solución fue alcanzado.\n"
    "La simulación continuará con el último estado obtenido.";

// Breadboard strip of pin `pin` of the chip seated at `primeraTira`.
int TiraDePin(int primeraTira, int pin) { return primeraTira + pin - 1; }

// k inverters of two 7404s in a chain fed by the source; answers the last output strip.
int MontaCadena(BancoDePrueba& banco, int k) {
    for (int chip = 0; chip < 2; ++chip) {
        banco.Inserta(7004, chip * 14);
        banco.Alimenta(chip * 14);
    }
    int salidaAnterior = -1;
    for (int g = 0; g < k; ++g) {
        const int primeraTira = (g / 6) * 14;
        const int entrada = TiraDePin(primeraTira, kInversores7404[g % 6].entrada);
        if (g == 0)
            banco.Cablea(banco.nivel, 0, banco.protoboard, entrada);
        else
            banco.Cablea(salidaAnterior, entrada);
        salidaAnterior = TiraDePin(primeraTira, kInversores7404[g % 6].salida);
    }
    return salidaAnterior;
}

TEST(Asentamiento, SinChipsBastaUnaIteracion) {
    BancoDePrueba banco;
    EXPECT_EQ(banco.mesa.EjecutaFunciones().nIteraciones, 1);
    EXPECT_TRUE(banco.avisos.mensajes.empty());
}

TEST(Asentamiento, UnaCadenaDeInversoresAvanzaUnaPuertaPorIteracion) {
    for (const int k : {1, 2, 5, 6, 7, 12}) {
        BancoDePrueba banco;
        const int salida = MontaCadena(banco, k);
        banco.Enciende();
        const char conEntradaBaja = k % 2 == 1 ? '1' : '0';
        const char conEntradaAlta = k % 2 == 1 ? '0' : '1';
        EXPECT_EQ(banco.EstadoDeTira(salida), conEntradaBaja) << k;

        // The change crosses one gate per iteration, also from one chip to the next,
        // and one more iteration confirms that nothing moves.
        EXPECT_EQ(banco.CambiaNivel('1'), k + 1) << k;
        EXPECT_EQ(banco.EstadoDeTira(salida), conEntradaAlta) << k;
        EXPECT_EQ(banco.CambiaNivel('0'), k + 1) << k;
        EXPECT_EQ(banco.EstadoDeTira(salida), conEntradaBaja) << k;
        // Settled: a second pass changes nothing.
        EXPECT_EQ(banco.mesa.EjecutaFunciones().nIteraciones, 1) << k;
        EXPECT_TRUE(banco.avisos.mensajes.empty()) << k;
    }
}

TEST(Asentamiento, UnaPuertaNandSigueASusEntradas) {
    BancoDePrueba banco;
    banco.Inserta(7000, 0);
    banco.Alimenta(0);
    banco.Cablea(banco.nivel, 0, banco.protoboard, TiraDePin(0, 1));
    banco.Cablea(banco.nivel, 0, banco.protoboard, TiraDePin(0, 2));
    banco.Enciende();
    EXPECT_EQ(banco.EstadoDeTira(TiraDePin(0, 3)), '1');
    banco.CambiaNivel('1');
    EXPECT_EQ(banco.EstadoDeTira(TiraDePin(0, 3)), '0');
    // The other gates' inputs float and read high.
    EXPECT_EQ(banco.EstadoDeTira(TiraDePin(0, 6)), '0');
}

TEST(Asentamiento, UnaRealimentacionAgotaElLimiteYAvisaUnaVezPorAsentamiento) {
    BancoDePrueba banco;
    banco.Inserta(7004, 0);
    banco.Alimenta(0);
    ASSERT_TRUE(banco.Cablea(TiraDePin(0, 2), TiraDePin(0, 1)));
    banco.Enciende();
    ASSERT_EQ(banco.avisos.mensajes.size(), 1u);
    const auto& aviso = banco.avisos.mensajes[0];
    EXPECT_EQ(aviso.titulo, "Información");
    EXPECT_EQ(aviso.texto, kAvisoDeRealimentacion);
    EXPECT_EQ(aviso.icono, Icono::Informacion);

    for (std::size_t vez = 2; vez <= 3; ++vez) {
        EXPECT_EQ(banco.mesa.EjecutaFunciones().nIteraciones, Mesa::kLimiteDeIteraciones);
        EXPECT_EQ(banco.avisos.mensajes.size(), vez);
    }
    // The loop keeps its last level and stays a valid level.
    const char nivel = banco.EstadoDeTira(TiraDePin(0, 1));
    EXPECT_TRUE(nivel == '0' || nivel == '1');
}

TEST(Asentamiento, CuentaLoOcurridoYQuienEscuchaDecideSiHayAviso) {
    BancoDePrueba banco;
    banco.Inserta(7004, 0);
    banco.Alimenta(0);
    ASSERT_TRUE(banco.Cablea(TiraDePin(0, 2), TiraDePin(0, 1)));
    std::vector<Mesa::ResultadoDelAsentamiento> oidos;
    banco.mesa.EscuchaAsentamientos([&](const Mesa::ResultadoDelAsentamiento& r) {
        // Heard while still under way, so a modal message here holds the ticks back.
        EXPECT_TRUE(banco.mesa.EstaAsentando());
        oidos.push_back(r);
    });
    banco.Enciende();
    ASSERT_EQ(oidos.size(), 2u);
    EXPECT_TRUE(oidos[1].bAlLimite);
    EXPECT_EQ(oidos[1].nIteraciones, Mesa::kLimiteDeIteraciones);
    EXPECT_EQ(oidos[1].lazo, Mesa::Asentamiento::Compilado);
    // The listener took the place of the message: nothing was shown.
    EXPECT_TRUE(banco.avisos.mensajes.empty());

    banco.mesa.EligeAsentamiento(Mesa::Asentamiento::Completo);
    const Mesa::ResultadoDelAsentamiento r = banco.mesa.EjecutaFunciones();
    EXPECT_EQ(r.lazo, Mesa::Asentamiento::Completo);
    EXPECT_TRUE(r.bAlLimite);
    ASSERT_EQ(oidos.size(), 3u);
    EXPECT_EQ(oidos[2].nIteraciones, r.nIteraciones);

    // Cut the loop: the next settlings end short of the limit, and the limit is no more.
    // Hole 0 of each strip holds the chip's pin, hole 1 the wire.
    ASSERT_TRUE(banco.mesa.DesconectaPuertos(banco.protoboard.Tira(TiraDePin(0, 2), 1),
                                             banco.protoboard.Tira(TiraDePin(0, 1), 1)));
    const Mesa::ResultadoDelAsentamiento corto = banco.mesa.EjecutaFunciones();
    EXPECT_FALSE(corto.bAlLimite);
    EXPECT_LT(corto.nIteraciones, Mesa::kLimiteDeIteraciones);
    EXPECT_FALSE(banco.mesa.SinAsentar());

    banco.mesa.EscuchaAsentamientos({});
    banco.mesa.EjecutaFunciones();
    EXPECT_EQ(oidos.size(), 4u);
}

// Answers the feedback message by settling again, as a timer tick would while the
// message box is open.
class AvisosQueAsientan final : public Avisos {
public:
    void Muestra(const std::string&, const std::string&, Icono) override {
        ++mostrados;
        if (mesa != nullptr) iteracionesInternas.push_back(mesa->EjecutaFunciones().nIteraciones);
    }
    Respuesta Pregunta(const std::string&, const std::string&) override { return Respuesta::No; }

    Mesa* mesa = nullptr;
    int mostrados = 0;
    std::vector<int> iteracionesInternas;
};

TEST(Asentamiento, NoSeAsientaDentroDeOtroAsentamiento) {
    AvisosQueAsientan avisos;
    Mesa mesa(avisos);
    avisos.mesa = &mesa;
    // Strip 0 holds inverter pins 1 and 2, so the gate reads its own output.
    prueba::TirasDePrueba tiras(Tablero::kProtoboard, "FVG", " 10", 5);
    tiras.Transmite();
    mesa.componentes().Nuevo(7004);
    Componente& chip = mesa.componentes()[0];
    chip.AsignaCasilla(tiras.Tira(0, 0), 1);
    chip.AsignaCasilla(tiras.Tira(0, 1), 2);
    chip.AsignaCasilla(tiras.Tira(1), 14);
    chip.AsignaCasilla(tiras.Tira(2), 7);

    EXPECT_EQ(mesa.EjecutaFunciones().nIteraciones, Mesa::kLimiteDeIteraciones);
    EXPECT_EQ(avisos.mostrados, 1);
    EXPECT_EQ(avisos.iteracionesInternas, std::vector<int>{0});
    // Once the message is closed, settling works again.
    EXPECT_EQ(mesa.EjecutaFunciones().nIteraciones, Mesa::kLimiteDeIteraciones);
    EXPECT_EQ(avisos.mostrados, 2);
    EXPECT_EQ(avisos.iteracionesInternas, (std::vector<int>{0, 0}));
}

}  // namespace
}  // namespace velistra
