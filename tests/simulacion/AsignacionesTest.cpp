// Counts every allocation of the test program, to show that settling allocates nothing
// per iteration and a running script nothing per line. Replacing the global operator new
// is program-wide, so it lives alone here.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <ostream>
#include <streambuf>
#include <string>

#include "cli/ComprobacionDeGuion.h"
#include "cli/EjecutorDeGuion.h"
#include "cli/Guion.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "support/BancoDePrueba.h"

namespace {
std::atomic<long> asignaciones{0};
}  // namespace

// All kept out of line: where gcc inlines one side of a new/delete pair it takes the
// malloc() or free() inside for a mismatch with the other, and warns.
[[gnu::noinline]] void* operator new(std::size_t n) {
    asignaciones.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }
// The standard library's temporary buffers (stable_sort) take the nothrow form and give it
// back through the plain delete: both sides must be ours.
[[gnu::noinline]] void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    asignaciones.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(n == 0 ? 1 : n);
}
[[gnu::noinline]] void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace velistra {
namespace {

using prueba::BancoDePrueba;

TEST(Asignaciones, AsentarNoReservaMemoria) {
    BancoDePrueba banco;
    banco.Inserta(7004, 0);
    banco.Alimenta(0);
    // Inverters 1 -> 2 -> 3 -> 4 -> 5 -> 6, and a second 7404 fed back onto itself.
    banco.Cablea(banco.nivel, 0, banco.protoboard, 0);
    banco.Cablea(1, 2);
    banco.Cablea(3, 4);
    banco.Inserta(7004, 14);
    banco.Alimenta(14);
    banco.Enciende();

    asignaciones = 0;
    const int cadena = banco.CambiaNivel('1');
    const long enLaCadena = asignaciones.load();

    banco.Cablea(15, 14);
    banco.mesa.EjecutaFunciones();
    asignaciones = 0;
    const int lazo = banco.mesa.EjecutaFunciones().nIteraciones;
    const long enElLazo = asignaciones.load();

    EXPECT_EQ(cadena, 4);
    EXPECT_EQ(enLaCadena, 0);
    EXPECT_EQ(lazo, Mesa::kLimiteDeIteraciones);
    // Only recording the one message allocates, never an iteration.
    EXPECT_LE(enElLazo, 5);
    EXPECT_EQ(banco.avisos.mensajes.size(), 1u);
}

// Takes what a script prints and keeps only how much it was.
class Desague : public std::streambuf {
public:
    std::streamsize escritos = 0;

protected:
    int_type overflow(int_type c) override {
        ++escritos;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        escritos += n;
        return n;
    }
};

TEST(Asignaciones, UnGuionNoReservaMemoriaPorLinea) {
    // The BCD counter (supply 1, timer 2 shown, breadboard 3, display 4, switches 5) with
    // push-buttons 6, LEDs 7 and a PLA 8: every order has a board to act on.
    prueba::AvisosDePrueba avisos;
    Mesa mesa(avisos);
    mesa.InicializaMesa();
    ASSERT_EQ(RecuperaCircuitoDeArchivo(mesa, VELISTRA_CIRCUITO_DEL_GUION), ResultadoDeLectura::Correcto);
    for (int tipo : {Tablero::kPulsadores, Tablero::kLeds, Tablero::kPLA})
        ASSERT_NE(mesa.AgregaTablero(tipo), nullptr);

    const consola::Guion guion = consola::LeeGuion(
        "encender\ninterruptor 5 0 1\npulsar 6 3\ntic 3\nsonda 3 10\nmostrar\n"
        "soltar 6 3\ninterruptor 5 0 0\ntic\nmostrar\napagar\n");
    ASSERT_FALSE(guion.error);
    const consola::GuionComprobado comprobado = consola::CompruebaGuion(guion.ordenes, mesa);
    ASSERT_FALSE(comprobado.error) << comprobado.error->mensaje;

    Desague desague;
    std::ostream salida(&desague);
    for (consola::Formato formato : {consola::Formato::Texto, consola::Formato::Json}) {
        consola::EjecutorDeGuion ejecutor(mesa, salida, formato);
        // The first run lays out the settler's lists for this circuit.
        for (const consola::OrdenComprobada& orden : comprobado.ordenes) ejecutor.Ejecuta(orden);
        asignaciones = 0;
        for (int vuelta = 0; vuelta < 3; ++vuelta) {
            for (const consola::OrdenComprobada& orden : comprobado.ordenes) ejecutor.Ejecuta(orden);
        }
        EXPECT_EQ(asignaciones.load(), 0);
    }
    EXPECT_GT(desague.escritos, 0);
    EXPECT_TRUE(avisos.mensajes.empty());

    // Reading allocates as the list of orders grows, never per line.
    std::string largo;
    for (int i = 0; i < 20000; ++i) largo += i % 2 == 0 ? "interruptor 5 0 1 # arriba\n" : "tic 2\n";
    asignaciones = 0;
    const consola::Guion leido = consola::LeeGuion(largo);
    EXPECT_LE(asignaciones.load(), 40);
    EXPECT_EQ(leido.ordenes.size(), 20000u);
}

}  // namespace
}  // namespace velistra
