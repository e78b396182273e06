// Counts every allocation of the test program, to show that settling allocates nothing
// per iteration. Replacing the global operator new is program-wide, so it lives alone here.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

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
    const int lazo = banco.mesa.EjecutaFunciones();
    const long enElLazo = asignaciones.load();

    EXPECT_EQ(cadena, 4);
    EXPECT_EQ(enLaCadena, 0);
    EXPECT_EQ(lazo, Mesa::kLimiteDeIteraciones);
    // Only recording the one message allocates, never an iteration.
    EXPECT_LE(enElLazo, 5);
    EXPECT_EQ(banco.avisos.mensajes.size(), 1u);
}

}  // namespace
}  // namespace velistra
