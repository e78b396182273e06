#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "persistence/MesaDeArchivos.h"

namespace velistra {
namespace {

namespace fs = std::filesystem;

std::string Contenido(const fs::path& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    std::ostringstream texto;
    texto << archivo.rdbuf();
    return texto.str();
}

// The fuzzer's seed files, and what it once broke with. "roto-" files are damaged and
// must be refused without a trace; "fallo-" files only must not break the reader again;
// every other file is a circuit as the program saves it.
TEST(CorpusDelLector, CadaArchivoSeLeeComoSuNombreDice) {
    int validos = 0;
    int rotos = 0;
    for (const auto& entrada : fs::directory_iterator(VELISTRA_CORPUS_DEL_LECTOR)) {
        const std::string nombre = entrada.path().filename().string();
        SCOPED_TRACE(nombre);
        const std::string texto = Contenido(entrada.path());
        prueba::MesaDeArchivos m;
        const std::string antes = m.Texto();
        const ResultadoDeLectura resultado = m.Carga(texto);
        if (nombre.starts_with("fallo-")) continue;
        if (nombre.starts_with("roto-")) {
            ++rotos;
            EXPECT_NE(resultado, ResultadoDeLectura::Correcto);
            EXPECT_EQ(m.Texto(), antes);
            continue;
        }
        ++validos;
        ASSERT_EQ(resultado, ResultadoDeLectura::Correcto);
        const std::string guardado = m.Texto();
        prueba::MesaDeArchivos n;
        ASSERT_EQ(n.Carga(guardado), ResultadoDeLectura::Correcto);
        EXPECT_EQ(n.Texto(), guardado);
    }
    EXPECT_GE(validos, 5);
    EXPECT_GE(rotos, 5);
}

}  // namespace
}  // namespace velistra
