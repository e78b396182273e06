#include <array>
#include <filesystem>
#include <fstream>
#include <istream>

#include "persistence/ArchivoDeCircuito.h"
#include "persistence/RegistrosDeCircuito.h"

namespace velistra {

namespace {

// Reads at most one block past the limit, so that a huge file is recognised without
// being read whole.
std::string LeeTexto(std::istream& entrada) {
    std::string texto;
    std::array<char, 1 << 16> bloque;
    while (texto.size() <= limites::kTamanoMaximoDeArchivo) {
        entrada.read(bloque.data(), static_cast<std::streamsize>(bloque.size()));
        const std::streamsize leidos = entrada.gcount();
        if (leidos <= 0) break;
        texto.append(bloque.data(), static_cast<std::size_t>(leidos));
    }
    return texto;
}

}  // namespace

ResultadoDeLectura LeeCircuito(Mesa& mesa, std::istream& entrada) {
    const std::string texto = LeeTexto(entrada);
    if (entrada.bad()) return ResultadoDeLectura::NoSeAbre;
    const bool demasiadoGrande = texto.size() > limites::kTamanoMaximoDeArchivo;
    CircuitoLeido circuito;
    const ResultadoDeLectura resultado = AnalizaCircuito(
        std::string_view(texto).substr(0, limites::kTamanoMaximoDeArchivo), circuito);
    // The version is still worth telling for a file that is too large.
    if (resultado == ResultadoDeLectura::VersionIncorrecta) return resultado;
    if (demasiadoGrande) return ResultadoDeLectura::Malformado;
    if (resultado != ResultadoDeLectura::Correcto) return resultado;
    ReconstruyeCircuito(mesa, circuito);
    return ResultadoDeLectura::Correcto;
}

ResultadoDeLectura RecuperaCircuitoDeArchivo(Mesa& mesa, const std::string& ruta) {
    std::error_code error;
    // A folder opens as a stream on some systems, and then reads as nothing.
    if (std::filesystem::is_directory(ruta, error)) return ResultadoDeLectura::NoSeAbre;
    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo) return ResultadoDeLectura::NoSeAbre;
    return LeeCircuito(mesa, archivo);
}

}  // namespace velistra
