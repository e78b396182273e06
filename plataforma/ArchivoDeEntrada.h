#pragma once
// Input files of every kind a shell hands over: a regular file is read as it is, and again
// from its start when asked; a FIFO, a pipe (a shell's `<(...)`) or a character device is
// read as its bytes come, and counts as failed when nothing comes for a while. Nothing
// here waits forever, nor reads more than it is asked for.
#include <chrono>
#include <cstddef>
#include <string>

namespace velistra::sistema {

enum class Lectura {
    Leido,
    NoSeAbre,     // missing, not permitted
    NoEsRegular,  // a folder, a socket, a block device (or, where only a file will do, a FIFO or a device)
    FalloAlLeer,  // also a FIFO or a device that gave nothing in time
};

struct ArchivoLeido {
    Lectura resultado = Lectura::NoSeAbre;
    // At most the limit asked for plus one byte, so that a text that is too long shows.
    std::string texto;
};

// How long a FIFO or a device may keep its reader waiting for the next bytes: 10 s, or the
// milliseconds in VELISTRA_PRUEBA_ESPERA (for the tests, which cannot wait that long).
std::chrono::milliseconds EsperaDeEntrada();

class ArchivoDeEntrada {
public:
    explicit ArchivoDeEntrada(const std::string& ruta,
                              std::chrono::milliseconds espera = EsperaDeEntrada());
    ~ArchivoDeEntrada();
    ArchivoDeEntrada(const ArchivoDeEntrada&) = delete;
    ArchivoDeEntrada& operator=(const ArchivoDeEntrada&) = delete;

    // Leido when it is open for reading; otherwise why not (nothing has been read yet).
    Lectura Apertura() const { return apertura; }
    // A regular file: it can be read again from its start.
    bool EsRegular() const { return regular; }
    // Up to `n` bytes into `destino`: how many, 0 at the end, -1 when reading failed or
    // nothing came within the wait.
    long Lee(char* destino, std::size_t n);
    // Back to the first byte; false for anything but a regular file.
    bool Rebobina();
    // The rest of it, up to `limite` bytes and one more.
    ArchivoLeido LeeTodo(std::size_t limite);

private:
    bool EsperaDatos();

    int descriptor = -1;
    Lectura apertura = Lectura::NoSeAbre;
    bool regular = false;
    std::chrono::milliseconds espera;
};

// Reads a file whole, up to `limite` bytes and one more: a regular file, a FIFO or a
// character device (/dev/null is an empty text).
ArchivoLeido LeeArchivo(const std::string& ruta, std::size_t limite);
// The same for a regular file only: anything else is NoEsRegular before a byte is read.
ArchivoLeido LeeArchivoRegular(const std::string& ruta, std::size_t limite);

}  // namespace velistra::sistema
