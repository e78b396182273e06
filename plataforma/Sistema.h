#pragma once
// What the core needs of the operating system beyond the standard library: reading input
// files (ArchivoDeEntrada), writes that fail instead of killing the process, data that
// reaches the disk, locks that end with the process that holds them, and work done apart
// in a child process with a time limit. With ArchivoDeEntrada, the only POSIX code of the
// core.
#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

#include "plataforma/ArchivoDeEntrada.h"

namespace velistra::sistema {

// A folder given as standard input reads as an empty text rather than failing.
bool EntradaEstandarEsCarpeta();

// A write past the file size limit then fails like a full disk, instead of ending the
// process with a signal and leaving its temporary file behind.
void IgnoraElLimiteDeTamano();

// After fflush: the bytes reach the disk before the file is put in place, so that a
// power cut cannot leave an empty file where the circuit was.
bool VuelcaAlDisco(std::FILE* archivo);

// This process's number.
int Proceso();

// An exclusive lock on a file, held while the object lives; the system frees it when the
// process ends in any way, a crash or a kill included.
class Cerrojo {
public:
    Cerrojo() = default;
    // Creates the file if needed; `Tomado()` tells whether the lock is ours. Never waits.
    explicit Cerrojo(const std::string& ruta);
    ~Cerrojo();
    Cerrojo(Cerrojo&& otro) noexcept;
    Cerrojo& operator=(Cerrojo&& otro) noexcept;
    Cerrojo(const Cerrojo&) = delete;
    Cerrojo& operator=(const Cerrojo&) = delete;

    bool Tomado() const { return descriptor >= 0; }
    // Lets the lock go.
    void Suelta();

private:
    int descriptor = -1;
};

}  // namespace velistra::sistema

namespace velistra::sistema {

struct TrabajoAparte {
    enum Final { Terminado, SinTiempo, Fallo };
    Final final = Fallo;
    // What the work answered; only when it ended by itself.
    std::string texto;
};

// Runs `trabajo` in a child process and gives up on it, killing it, after `segundos`:
// a circuit that never settles, a huge file or a crash cannot stop the caller.
TrabajoAparte EjecutaAparte(const std::function<std::string()>& trabajo, int segundos);

// How much of a batch one child takes before a new one carries on with the rest: a long
// batch never rests on a process that the pieces before have left large (a fragmented
// heap, a huge file's pages). A fork for every 256 small pieces costs a few per cent.
struct TurnoDeHijo {
    std::size_t piezas = 256;
    // Growth of the child's memory peak, in bytes, after which it takes no more pieces.
    std::size_t crecimiento = std::size_t{64} << 20;
};

// The same for `cuantos` pieces of work, `trabajo(i)` for each i in turn, several in one
// child so that a batch does not pay a process for each. `entrega(i, hecho)` runs here,
// in order, as soon as piece i ends; each piece has its own `segundos`. A piece that runs
// out of time or ends its child is the only one lost: a new child goes on with the next.
void EjecutaAparteUnoTrasOtro(std::size_t cuantos, const std::function<std::string(std::size_t)>& trabajo,
                              int segundos,
                              const std::function<void(std::size_t, TrabajoAparte)>& entrega,
                              TurnoDeHijo turno = {});

}  // namespace velistra::sistema
