// The fullest workbench there is, run by velistra-cli as a teacher runs it: ten
// breadboards filling the table with eighty 74163 counters on one clock, every chip's
// supply wired, every kind of board, four hundred wires. mesa-llena.txt is what
//   velistra-generador CARPETA contadores 10 --completo
// writes (a benchmark build has it); the switch of board 13 enables the count, the timer
// gives a clock edge every second tick, lamps 0-3 show the first counter, lamp 4 the
// second counter's lowest bit and lamp 7 the carry out of the last one.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <string>

#include "support/Proceso.h"
#include "support/CarpetaTemporal.h"

namespace velistra {
namespace {

using prueba::EjecutaCli;
using prueba::LeeArchivo;

std::string Guion(int tics) {
    return "encender\ninterruptor 13 0 1\ntic " + std::to_string(tics) + "\nmostrar\n";
}

// What mostrar prints after `tics` ticks: the counters hold the number of clock edges.
std::string Salida(int tics) {
    const int flancos = tics / 2;
    std::string leds = "00000000";
    for (int bit = 0; bit < 4; ++bit) leds[bit] = (flancos >> bit & 1) != 0 ? '1' : '0';
    leds[4] = (flancos / 16 & 1) != 0 ? '1' : '0';
    return "leds 14: " + leds + "\n7seg 16: " + std::string(32, '1') + "\npla 17: 0000\n";
}

// The largest resident size among the children waited for so far, in kilobytes.
long MemoriaDeLosHijos() {
    rusage uso{};
    getrusage(RUSAGE_CHILDREN, &uso);
    return uso.ru_maxrss;
}

TEST(MesaLlena, DiezMilTicsSinCrecerYElArchivoSeGuardaIgual) {
    prueba::CarpetaTemporal carpeta;
    const std::string guion1000 = carpeta.Archivo("1000.guion");
    const std::string guion10000 = carpeta.Archivo("10000.guion");
    prueba::EscribeArchivo(guion1000, Guion(1000));
    prueba::EscribeArchivo(guion10000, Guion(10000));

    // The short run first: the children's high-water mark is then its own.
    const auto corta = EjecutaCli({"simular", VELISTRA_MESA_LLENA, "--guion", guion1000});
    ASSERT_EQ(corta.codigo, 0) << corta.errores;
    EXPECT_EQ(corta.salida, Salida(1000));
    const long memoriaCorta = MemoriaDeLosHijos();

    const std::string primero = carpeta.Archivo("primero.txt");
    const auto larga = EjecutaCli(
        {"simular", VELISTRA_MESA_LLENA, "--guion", guion10000, "--guardar", primero});
    ASSERT_EQ(larga.codigo, 0) << larga.errores;
    EXPECT_EQ(larga.salida, Salida(10000));
    EXPECT_TRUE(larga.errores.empty()) << larga.errores;
    // Ten times the ticks in the same memory, give or take the allocator's page or two.
    constexpr long kHolguraKb = 512;
    EXPECT_LE(MemoriaDeLosHijos(), memoriaCorta + kHolguraKb);

    // Reloaded, it behaves and saves the same.
    const std::string segundo = carpeta.Archivo("segundo.txt");
    const auto otra = EjecutaCli({"simular", primero, "--guion", guion1000, "--guardar", segundo});
    ASSERT_EQ(otra.codigo, 0) << otra.errores;
    EXPECT_EQ(otra.salida, corta.salida);
    EXPECT_EQ(LeeArchivo(segundo), LeeArchivo(primero));
    EXPECT_EQ(LeeArchivo(primero), LeeArchivo(VELISTRA_MESA_LLENA));
}

}  // namespace
}  // namespace velistra
