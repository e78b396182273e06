// Every shipped example is a test: its circuit comes from the bench builder, loads
// whole, and the runner gives exactly the recorded output on its script.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "CircuitosDeEjemplo.h"
#include "support/Proceso.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/Avisos.h"
#include "simulacion/Mesa.h"

namespace velistra::prueba {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNumeroDeEjemplos = 7;

fs::path Carpeta(const std::string& ejemplo) { return fs::path(VELISTRA_EJEMPLOS) / ejemplo; }

std::vector<std::string> CarpetasDeEjemplos() {
    std::vector<std::string> carpetas;
    for (const fs::directory_entry& e : fs::directory_iterator(VELISTRA_EJEMPLOS)) {
        if (e.is_directory()) carpetas.push_back(e.path().filename().string());
    }
    std::sort(carpetas.begin(), carpetas.end());
    return carpetas;
}

TEST(Ejemplos, NingunoFaltaYCadaCircuitoEsElQueMontaElGenerador) {
    const std::vector<std::string> carpetas = CarpetasDeEjemplos();
    ASSERT_EQ(carpetas.size(), kNumeroDeEjemplos);
    ASSERT_EQ(ejemplos::Ejemplos().size(), kNumeroDeEjemplos);
    for (const ejemplos::Ejemplo& e : ejemplos::Ejemplos()) {
        SCOPED_TRACE(e.carpeta);
        EXPECT_NE(std::find(carpetas.begin(), carpetas.end(), e.carpeta), carpetas.end());
        // A stale file would be run by the tests but no longer be what the builder makes.
        EXPECT_EQ(LeeArchivo((Carpeta(e.carpeta) / "circuito.txt").string()),
                  ejemplos::TextoDeEjemplo(e))
            << "regenere los ejemplos con genera-ejemplos";
        for (const char* archivo : {"guion.txt", "salida.esperada", "errores.esperados"})
            EXPECT_TRUE(fs::exists(Carpeta(e.carpeta) / archivo)) << archivo;
    }
}

TEST(Ejemplos, CadaCircuitoCargaConTodosSusChipsEnchufadosYTodosSusCablesUnidos) {
    for (const std::string& carpeta : CarpetasDeEjemplos()) {
        SCOPED_TRACE(carpeta);
        AvisosMudos avisos;
        Mesa mesa(avisos);
        mesa.InicializaMesa();
        ASSERT_EQ(RecuperaCircuitoDeArchivo(mesa, (Carpeta(carpeta) / "circuito.txt").string()),
                  ResultadoDeLectura::Correcto);
        EXPECT_FALSE(mesa.componentes().empty());
        for (const Componente& chip : mesa.componentes())
            EXPECT_TRUE(chip.EstaInsertado()) << chip.Codigo();
        EXPECT_FALSE(mesa.cables().Lista().empty());
        for (const Cable& cable : mesa.cables().Lista()) {
            Puerto* a = mesa.PuertoEn(cable.AX(), cable.AY()).puerto;
            Puerto* b = mesa.PuertoEn(cable.BX(), cable.BY()).puerto;
            ASSERT_NE(a, nullptr);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(a->OtroPuerto(), b)
                << "cable de (" << cable.AX() << ", " << cable.AY() << ")";
        }
    }
}

class EjemploEjecutado : public ::testing::TestWithParam<std::string> {};

TEST_P(EjemploEjecutado, DaLaSalidaLosAvisosYElCodigoEsperados) {
    const fs::path carpeta = Carpeta(GetParam());
    const ResultadoDelProceso r = EjecutaCli({"simular", (carpeta / "circuito.txt").string(),
                                              "--guion", (carpeta / "guion.txt").string()});
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, LeeArchivo((carpeta / "salida.esperada").string()));
    EXPECT_EQ(r.errores, LeeArchivo((carpeta / "errores.esperados").string()));
}

std::string NombreDePrueba(const ::testing::TestParamInfo<std::string>& info) {
    std::string nombre = info.param;
    std::replace(nombre.begin(), nombre.end(), '-', '_');
    return nombre;
}

INSTANTIATE_TEST_SUITE_P(Ejemplos, EjemploEjecutado, ::testing::ValuesIn(CarpetasDeEjemplos()),
                         NombreDePrueba);

TEST(Ejemplos, ElAnilloAvisaDeLaRealimentacionUnaVezYSigue) {
    const fs::path carpeta = Carpeta("anillo-realimentado");
    const ResultadoDelProceso r = EjecutaCli({"simular", (carpeta / "circuito.txt").string(),
                                              "--guion", (carpeta / "guion.txt").string()});
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.errores,
              "El circuito posee realimentaciones y el límite de\n"
              "iteraciones para hallar una solución fue alcanzado.\n"
              "La simulación continuará con el último estado obtenido.\n");
    // Both mostrar lines ran after the message.
    EXPECT_EQ(std::count(r.salida.begin(), r.salida.end(), '\n'), 2);
}

}  // namespace
}  // namespace velistra::prueba
