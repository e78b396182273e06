#include <array>
#include <istream>

#include "persistencia/ArchivoDeCircuito.h"
#include "persistencia/RegistrosDeCircuito.h"
#include "plataforma/Sistema.h"

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

// A text past the limit is refused, though a wrong version is still told.
ResultadoDeLectura LeeTextoDeCircuito(Mesa& mesa, const std::string& texto) {
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

}  // namespace

ResultadoDeLectura LeeCircuito(Mesa& mesa, std::istream& entrada) {
    const std::string texto = LeeTexto(entrada);
    if (entrada.bad()) return ResultadoDeLectura::NoSeAbre;
    return LeeTextoDeCircuito(mesa, texto);
}

ResultadoDeLectura RecuperaCircuitoDeArchivo(Mesa& mesa, const std::string& ruta) {
    // A FIFO or a device is read as its bytes come, never past the size limit nor for ever.
    const sistema::ArchivoLeido archivo = sistema::LeeArchivo(ruta, limites::kTamanoMaximoDeArchivo);
    if (archivo.resultado != sistema::Lectura::Leido) return ResultadoDeLectura::NoSeAbre;
    return LeeTextoDeCircuito(mesa, archivo.texto);
}

}  // namespace velistra
