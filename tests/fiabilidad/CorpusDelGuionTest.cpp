#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>

#include "cli/Guion.h"
#include "support/Corpus.h"

// The fuzzer's own check of one input: it aborts on anything wrong.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano);

namespace velistra {
namespace {

// The script fuzzer's seeds, and what it once broke with, go through the fuzzer's checks
// again. "error-" scripts must be refused at a line; "fallo-" ones only must not break
// anything again; every other one is a script as a teacher writes it.
TEST(CorpusDelGuion, CadaGuionSeLeeComoSuNombreDice) {
    int buenos = 0;
    int erroneos = 0;
    prueba::RecorreCorpus(VELISTRA_CORPUS_DEL_GUION, [&](const std::string& nombre,
                                                         const std::string& texto) {
        SCOPED_TRACE(nombre);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(texto.data()), texto.size());
        if (nombre.starts_with("fallo-")) return;
        std::istringstream flujo(texto);
        const consola::Guion guion = consola::LeeGuion(flujo);
        if (nombre.starts_with("error-")) {
            ++erroneos;
            EXPECT_TRUE(guion.error.has_value());
        } else {
            ++buenos;
            EXPECT_FALSE(guion.error.has_value()) << guion.error->mensaje;
        }
    });
    EXPECT_GE(buenos, 5);
    EXPECT_GE(erroneos, 5);
}

}  // namespace
}  // namespace velistra
