// The analyser's record of a run: registrar and --vcd, read back through gtkwave's own
// converters (vcd2fst, then fst2vcd), so the files are what waveform viewers accept.
#include <gtest/gtest.h>

#include <filesystem>

#include "plataforma/Avisos.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "simulacion/Mesa.h"
#include "support/CarpetaTemporal.h"
#include "support/LecturaVcd.h"
#include "support/Proceso.h"

namespace velistra::prueba {
namespace {

const std::string kEjemplos = VELISTRA_EJEMPLOS;
constexpr std::int64_t kTic = 47000;

// Channels QA..QD on those holes of breadboard 3.
std::string RegistraSalidas(const std::vector<int>& huecos) {
    std::string guion;
    const char* nombres[] = {"QA", "QB", "QC", "QD"};
    for (std::size_t i = 0; i < 4; ++i) guion += "registrar 3 " + std::to_string(huecos[i]) + " " + nombres[i] + "\n";
    return guion;
}

// The breadboard holes under the pins of the circuit's first chip.
std::vector<int> HuecosDelChip(const std::string& circuito, const std::vector<int>& pines) {
    AvisosMudos avisos;
    Mesa mesa(avisos);
    mesa.InicializaMesa();
    EXPECT_EQ(RecuperaCircuitoDeArchivo(mesa, circuito), ResultadoDeLectura::Correcto);
    std::vector<int> huecos;
    for (int pin : pines) huecos.push_back(mesa.componentes()[0].DireccionDeCasilla(pin)->Indice());
    return huecos;
}

// Runs the script with --vcd and passes the file through FST and back.
struct Ida {
    Vcd escrito;
    Vcd devuelto;
};

Ida SimulaYConvierte(const CarpetaTemporal& carpeta, const std::string& circuito,
                     const std::string& guion) {
    const std::string vcd = carpeta.Archivo("registro.vcd");
    const std::string fst = carpeta.Archivo("registro.fst");
    const std::string vuelta = carpeta.Archivo("vuelta.vcd");
    const ResultadoDelProceso r = EjecutaCli({"simular", circuito, "--vcd", vcd}, guion);
    EXPECT_EQ(r.codigo, 0) << r.errores;
    Lanzamiento convierte;
    convierte.programa = VELISTRA_VCD2FST;
    convierte.argumentos = {vcd, fst};
    const ResultadoDelProceso ida = Ejecuta(convierte);
    EXPECT_EQ(ida.codigo, 0) << ida.errores;
    convierte.programa = VELISTRA_FST2VCD;
    convierte.argumentos = {fst};
    const ResultadoDelProceso vuelve = Ejecuta(convierte);
    EXPECT_EQ(vuelve.codigo, 0) << vuelve.errores;
    return {LeeVcd(LeeArchivo(vcd)), LeeVcd(vuelve.salida)};
}

int Cuenta(const Vcd& vcd, std::int64_t t) {
    int n = 0;
    for (const char* q : {"QD", "QC", "QB", "QA"}) n = 2 * n + (ValorEn(vcd.cambios.at(q), t) == '1');
    return n;
}

TEST(RegistroVcd, ElContadorBcdCuentaLosFlancosDelRelojEnLaIdaYVueltaPorFst) {
    const CarpetaTemporal carpeta;
    const std::string circuito = kEjemplos + "/contador-bcd/circuito.txt";
    // The 7490's QA QB QC QD are pins 12 9 8 11; the timer's 1 Hz output is its port 9.
    const std::vector<int> q = HuecosDelChip(circuito, {12, 9, 8, 11});
    std::string guion = "encender\ninterruptor 5 0 1\ninterruptor 5 0 0\nregistrar 2 9 reloj\n";
    guion += RegistraSalidas(q);
    guion += "tic 260\n";
    const Ida r = SimulaYConvierte(carpeta, circuito, guion);

    EXPECT_EQ(r.escrito.escala, "1us");
    EXPECT_EQ(r.devuelto.escala, "1us");
    ASSERT_EQ(r.devuelto.cambios.size(), 5u);
    // The converters keep every change at its time.
    EXPECT_EQ(r.devuelto.cambios, r.escrito.cambios);

    // The clock changes only on ticks, every ten of them once it runs.
    const CambiosVcd& reloj = r.devuelto.cambios.at("reloj");
    ASSERT_GT(reloj.size(), 20u);
    for (std::size_t i = 2; i < reloj.size(); ++i) {
        EXPECT_EQ(reloj[i].first % kTic, 0) << i;
        EXPECT_EQ(reloj[i].first - reloj[i - 1].first, 10 * kTic) << i;
        EXPECT_NE(reloj[i].second, reloj[i - 1].second);
    }
    // Each falling edge of the clock moves the count on by one, through 9 back to 0.
    int flancos = 0;
    for (std::size_t i = 2; i < reloj.size(); ++i) {
        if (reloj[i].second != '0') continue;
        const std::int64_t t = reloj[i].first;
        EXPECT_EQ(Cuenta(r.devuelto, t), (Cuenta(r.devuelto, t - 1) + 1) % 10) << "flanco en " << t;
        ++flancos;
    }
    EXPECT_GE(flancos, 12);
}

TEST(RegistroVcd, CadaPulsacionEntreTicsTieneSuPropioTiempoYElRegistroDesplaza) {
    const CarpetaTemporal carpeta;
    const std::string circuito = kEjemplos + "/registro-de-desplazamiento/circuito.txt";
    // The 74194's QA..QD are pins 15 14 13 12; the push-buttons are board 4.
    const std::vector<int> q = HuecosDelChip(circuito, {15, 14, 13, 12});
    std::string guion = "encender\nregistrar 4 3\n";
    guion += RegistraSalidas(q);
    // In 1, 0, 1, 0, one tick after each clock pulse.
    guion +=
        "pulsar 4 0\npulsar 4 1\nsoltar 4 1\nsoltar 4 0\ntic\n"
        "pulsar 4 1\nsoltar 4 1\ntic\n"
        "pulsar 4 0\npulsar 4 1\nsoltar 4 1\nsoltar 4 0\ntic\n"
        "pulsar 4 1\nsoltar 4 1\ntic\n";
    const Ida r = SimulaYConvierte(carpeta, circuito, guion);
    EXPECT_EQ(r.devuelto.cambios, r.escrito.cambios);

    auto Estado = [&](std::int64_t t) {
        std::string s;
        for (const char* q : {"QA", "QB", "QC", "QD"}) s += ValorEn(r.devuelto.cambios.at(q), t);
        return s;
    };
    EXPECT_EQ(Estado(1 * kTic - 1), "1000");
    EXPECT_EQ(Estado(2 * kTic - 1), "0100");
    EXPECT_EQ(Estado(3 * kTic - 1), "1010");
    EXPECT_EQ(Estado(4 * kTic - 1), "0101");
    // Named after what it touches. The clock key (port 3 of board 4 is a terminal of key
    // 1) changes twice per tick, at its own microsecond each.
    const CambiosVcd& tecla = r.devuelto.cambios.at("4:3");
    for (std::size_t i = 1; i < tecla.size(); ++i) EXPECT_LT(tecla[i - 1].first, tecla[i].first);
}

TEST(RegistroVcd, RegistrarSeCompruebaAntesDeEjecutarNada) {
    const std::string circuito = kEjemplos + "/semisumador/circuito.txt";
    struct Caso {
        std::string guion;
        std::string error;
    };
    std::string diecisiete;
    for (int i = 0; i < 17; ++i) diecisiete += "registrar 3 " + std::to_string(i) + "\n";
    const Caso casos[] = {
        {"registrar 9 0\n", "entrada estándar:1: no existe el tablero 9\n"},
        {"registrar 3 880\n", "entrada estándar:1: no existe el puerto 880 del tablero 3 (van de 0 a 879)\n"},
        {"registrar 3\n", "entrada estándar:1: faltan argumentos; se espera: registrar ID P [NOMBRE]\n"},
        {"registrar 3 1 a b\n", "entrada estándar:1: sobran argumentos; se espera: registrar ID P [NOMBRE]\n"},
        {"registrar 3 uno\n", "entrada estándar:1: «uno» no es un número entero\n"},
        {"registrar 3 1 x\nregistrar 3 1 y\n", "entrada estándar:2: el puerto 1 del tablero 3 ya se registra\n"},
        {diecisiete, "entrada estándar:17: el analizador registra 16 canales como máximo\n"},
    };
    const CarpetaTemporal carpeta;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.guion);
        const std::string vcd = carpeta.Archivo("no.vcd");
        const ResultadoDelProceso r = EjecutaCli({"simular", circuito, "--vcd", vcd}, c.guion);
        EXPECT_EQ(r.codigo, 1);
        EXPECT_EQ(r.errores, c.error);
        EXPECT_FALSE(std::filesystem::exists(vcd));
    }
    // A folder where the file should go is a failed save, not a success.
    const ResultadoDelProceso r =
        EjecutaCli({"simular", circuito, "--vcd", carpeta.ruta.string()}, "registrar 3 1\n");
    EXPECT_EQ(r.codigo, 3);
    EXPECT_NE(r.errores.find("no se puede escribir el registro"), std::string::npos);
}

}  // namespace
}  // namespace velistra::prueba
