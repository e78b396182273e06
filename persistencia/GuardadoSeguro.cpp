#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/Sistema.h"

namespace velistra {

namespace {

namespace fs = std::filesystem;

constexpr int kIntentosDeTemporal = 100;
// The longest name a folder entry can have (NAME_MAX on Linux and the BSDs).
constexpr std::size_t kLargoMaximoDeNombre = 255;

// A file of our own beside the target: "x" never opens a file that already exists. The
// target's name is cut short in it, so that a target of the longest name can be saved.
std::FILE* CreaTemporal(const fs::path& destino, fs::path& temporal) {
    for (int i = 0; i < kIntentosDeTemporal; ++i) {
        const std::string cola = '.' + std::to_string(i) + ".tmp";
        std::string nombre = '.' + destino.filename().string();
        nombre.resize(std::min(nombre.size(), kLargoMaximoDeNombre - cola.size()));
        temporal = destino.parent_path() / (nombre + cola);
        if (std::FILE* archivo = std::fopen(temporal.string().c_str(), "wbx")) return archivo;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

// Closes the file in every case; true only when every byte reached the disk.
bool EscribeYCierra(std::FILE* archivo, std::string_view texto) {
    const bool escrito = std::fwrite(texto.data(), 1, texto.size(), archivo) == texto.size();
    const bool vaciado = std::fflush(archivo) == 0 && sistema::VuelcaAlDisco(archivo);
    const bool cerrado = std::fclose(archivo) == 0;
    return escrito && vaciado && cerrado;
}

// Saving through a link replaces the file it names, not the link.
fs::path Destino(const std::string& ruta) {
    std::error_code error;
    if (fs::is_symlink(ruta, error)) {
        fs::path real = fs::canonical(ruta, error);
        if (!error) return real;
    }
    return ruta;
}

// A target that could not be overwritten in place is not replaced either.
bool PuedeReemplazarse(const fs::path& destino, const fs::file_status& estado) {
    if (!fs::exists(estado)) return true;
    if (!fs::is_regular_file(estado)) return false;
    std::FILE* prueba = std::fopen(destino.string().c_str(), "ab");
    if (prueba == nullptr) return false;
    std::fclose(prueba);
    return true;
}

}  // namespace

bool GuardaCircuitoEnArchivo(const Mesa& mesa, const std::string& ruta) {
    return GuardaTextoEnArchivo(TextoDeCircuito(mesa), ruta);
}

bool GuardaTextoEnArchivo(std::string_view texto, const std::string& ruta) {
    if (ruta.empty()) return false;
    const fs::path destino = Destino(ruta);
    std::error_code error;
    const fs::file_status estado = fs::status(destino, error);
    if (!PuedeReemplazarse(destino, estado)) return false;

    fs::path temporal;
    std::FILE* archivo = CreaTemporal(destino, temporal);
    if (archivo == nullptr) return false;
    if (EscribeYCierra(archivo, texto)) {
        if (fs::exists(estado)) fs::permissions(temporal, estado.permissions(), error);
        fs::rename(temporal, destino, error);
        if (!error) return true;
    }
    fs::remove(temporal, error);
    return false;
}

}  // namespace velistra
