#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Guion.h"

// The fuzzer's own check of one input: it aborts on anything wrong.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano);

namespace velistra {
namespace {

namespace fs = std::filesystem;

std::string Contenido(const fs::path& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    std::ostringstream texto;
    texto << archivo.rdbuf();
    return texto.str();
}

// The script fuzzer's seeds, and what it once broke with, go through the fuzzer's checks
// again. "error-" scripts must be refused at a line; "fallo-" ones only must not break
// anything again; every other one is a script as a teacher writes it.
TEST(CorpusDelGuion, CadaGuionSeLeeComoSuNombreDice) {
    int buenos = 0;
    int erroneos = 0;
    for (const auto& entrada : fs::directory_iterator(VELISTRA_CORPUS_DEL_GUION)) {
        const std::string nombre = entrada.path().filename().string();
        SCOPED_TRACE(nombre);
        const std::string texto = Contenido(entrada.path());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(texto.data()), texto.size());
        if (nombre.starts_with("fallo-")) continue;
        std::istringstream flujo(texto);
        const consola::Guion guion = consola::LeeGuion(flujo);
        if (nombre.starts_with("error-")) {
            ++erroneos;
            EXPECT_TRUE(guion.error.has_value());
        } else {
            ++buenos;
            EXPECT_FALSE(guion.error.has_value()) << guion.error->mensaje;
        }
    }
    EXPECT_GE(buenos, 5);
    EXPECT_GE(erroneos, 5);
}

}  // namespace
}  // namespace velistra
