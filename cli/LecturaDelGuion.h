#pragma once
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "cli/Guion.h"

namespace velistra::sistema {
class ArchivoDeEntrada;
}

namespace velistra::consola {

// The script of a run: the file `archivo` or, without it, `entrada`. A regular file is
// read from its start each time a reader is asked for, a line at a time, so that a script
// of any length runs in bounded memory; standard input, a FIFO or a device (read as its
// bytes come, for a limited wait) is held in memory, up to kTamanoMaximoDeGuion.
class GuionDeLaEjecucion {
public:
    // Nothing when it cannot be read, after saying why on `errores`; a folder or a socket
    // is refused before a byte is read.
    static std::optional<GuionDeLaEjecucion> Abre(const std::optional<std::string>& archivo,
                                                  std::istream& entrada, std::ostream& errores);
    GuionDeLaEjecucion(GuionDeLaEjecucion&&) noexcept;
    ~GuionDeLaEjecucion();

    // Its orders from the first line; a file is refused past `tope` bytes, if given.
    LectorDeGuion Lector(std::optional<std::size_t> tope = std::nullopt);
    // Says on `errores` that reading it failed.
    void DiQueNoSeLee(std::ostream& errores) const;

private:
    GuionDeLaEjecucion() = default;

    std::optional<std::string> ruta;
    std::unique_ptr<sistema::ArchivoDeEntrada> archivo;
    std::string texto;
};

// The same script read whole into memory. Nothing when it cannot be read, after saying why
// on `errores`. A faulty line is not told here: it comes back in the script's `error`.
std::optional<Guion> LeeGuionDeLaEjecucion(const std::optional<std::string>& archivo,
                                           std::istream& entrada, std::ostream& errores);

}  // namespace velistra::consola
