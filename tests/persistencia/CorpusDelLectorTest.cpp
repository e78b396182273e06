#include <gtest/gtest.h>

#include "persistencia/MesaDeArchivos.h"
#include "support/Corpus.h"

namespace velistra {
namespace {

// The fuzzer's seed files, and what it once broke with. "roto-" files are damaged and
// must be refused without a trace; "fallo-" files only must not break the reader again;
// every other file is a circuit as the program saves it.
TEST(CorpusDelLector, CadaArchivoSeLeeComoSuNombreDice) {
    int validos = 0;
    int rotos = 0;
    prueba::RecorreCorpus(VELISTRA_CORPUS_DEL_LECTOR, [&](const std::string& nombre,
                                                          const std::string& texto) {
        SCOPED_TRACE(nombre);
        prueba::MesaDeArchivos m;
        const std::string antes = m.Texto();
        const ResultadoDeLectura resultado = m.Carga(texto);
        if (nombre.starts_with("fallo-")) return;
        if (nombre.starts_with("roto-")) {
            ++rotos;
            EXPECT_NE(resultado, ResultadoDeLectura::Correcto);
            EXPECT_EQ(m.Texto(), antes);
            return;
        }
        ++validos;
        ASSERT_EQ(resultado, ResultadoDeLectura::Correcto);
        const std::string guardado = m.Texto();
        prueba::MesaDeArchivos n;
        ASSERT_EQ(n.Carga(guardado), ResultadoDeLectura::Correcto);
        EXPECT_EQ(n.Texto(), guardado);
    });
    EXPECT_GE(validos, 5);
    EXPECT_GE(rotos, 5);
}

}  // namespace
}  // namespace velistra
