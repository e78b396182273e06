#pragma once
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace velistra::consola {

// Text gathered into blocks before it goes to a stream: a long output costs one write
// per block, not one per piece. A piece never straddles two writes; one longer than a
// block is written whole, on its own.
class SalidaPorBloques {
public:
    static constexpr std::size_t kBloque = std::size_t{64} * 1024;

    explicit SalidaPorBloques(std::ostream& salida, std::size_t bloque = kBloque);
    ~SalidaPorBloques();
    SalidaPorBloques(const SalidaPorBloques&) = delete;
    SalidaPorBloques& operator=(const SalidaPorBloques&) = delete;

    // Where the copy of `texto` lies, for the caller to fill in; valid until the next call.
    char* Agrega(std::string_view texto);
    // Writes what is gathered; the stream itself is not flushed.
    void Vacia();

private:
    std::ostream& salida;
    const std::size_t bloque;
    std::string pendiente;
};

}  // namespace velistra::consola
