#pragma once
// Little-endian reading of the picture and font files, refusing to read past the end:
// a truncated or damaged file is answered with false, never with a crash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velistra::web {

class LecturaBinaria {
public:
    LecturaBinaria(const std::uint8_t* datos, std::size_t tamano) : datos_(datos), tamano_(tamano) {}

    bool Etiqueta(std::string_view esperada);
    // The start of every file: its tag, then the version this reader knows.
    bool Cabecera(std::string_view etiqueta, std::uint32_t version);
    bool Natural(std::uint32_t& valor);
    // A non-negative value no larger than `maximo`.
    bool Medida(int& valor, int maximo);
    bool Entero(int& valor);
    // Points at the next `n` bytes and skips them.
    bool Bloque(std::size_t n, const std::uint8_t*& inicio);
    bool AlFinal() const { return posicion_ == tamano_; }

private:
    const std::uint8_t* datos_;
    std::size_t tamano_;
    std::size_t posicion_ = 0;
};

// Reads a whole file; empty when it cannot.
std::string LeeArchivo(const std::string& ruta);

// Loads a file with `destino.Carga(datos, tamano)`; false when it cannot be read.
template <typename Destino>
bool CargaDeArchivo(Destino& destino, const std::string& ruta) {
    const std::string datos = LeeArchivo(ruta);
    return !datos.empty() &&
           destino.Carga(reinterpret_cast<const std::uint8_t*>(datos.data()), datos.size());
}

}  // namespace velistra::web
