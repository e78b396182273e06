#pragma once
// Runs velistra-cli (or the program) as a separate process, the way a teacher's shell
// does: with its standard streams in files, limits set as `prlimit` sets them, and a
// watchdog that kills a run that hangs instead of hanging the tests.
#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/Archivos.h"

namespace velistra::prueba {

struct Lanzamiento {
    std::string programa;
    std::vector<std::string> argumentos;
    // What the program reads on its standard input, or the file opened as it.
    std::string entrada;
    std::optional<std::string> archivoDeEntrada;
    // "NOMBRE=valor" added to the environment.
    std::vector<std::string> entorno;
    // RLIMIT_AS and RLIMIT_FSIZE, in bytes.
    std::optional<long> memoria;
    std::optional<long> tamanoDeArchivo;
    // Past it the process is killed and counts as hung.
    std::chrono::seconds plazo{120};
};

struct ResultadoDelProceso {
    std::string salida;
    std::string errores;
    // The exit code; -1 when a signal ended the process (`senal`).
    int codigo = -1;
    int senal = 0;
    bool colgado = false;
};

ResultadoDelProceso Ejecuta(const Lanzamiento& lanzamiento);
// velistra-cli with those arguments; `entrada` is what it reads on its standard input.
ResultadoDelProceso EjecutaCli(const std::vector<std::string>& argumentos,
                               const std::string& entrada = "");

// A process left running while the test looks at what it does; killed at the end.
class ProcesoEnMarcha {
public:
    explicit ProcesoEnMarcha(const Lanzamiento& lanzamiento);
    ~ProcesoEnMarcha();
    ProcesoEnMarcha(const ProcesoEnMarcha&) = delete;
    ProcesoEnMarcha& operator=(const ProcesoEnMarcha&) = delete;

    pid_t Identificador() const { return pid; }
    bool Vivo();
    // Sends the signal and waits for the end.
    void Mata(int senal);
    // What it wrote on standard error so far.
    std::string Errores() const;

    struct Flujos;

private:
    std::unique_ptr<Flujos> flujos;
    pid_t pid = -1;
    bool terminado = false;
};

}  // namespace velistra::prueba
