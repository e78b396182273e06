#pragma once
#include <optional>
#include <string>
#include <vector>

namespace velistra::consola {

enum class Accion { Ayuda, Version, Simular, Tabla };
enum class Formato { Texto, Csv, Json };

// What the command line asks for.
struct Peticion {
    Accion accion = Accion::Ayuda;
    std::string circuito;
    // The script file; standard input when absent.
    std::optional<std::string> guion;
    std::optional<std::string> guardar;
    // Faults planted before the script runs (troubleshooting exercises).
    std::optional<std::string> fallos;
    // The logic analyser's record of the run, as VCD.
    std::optional<std::string> vcd;
    Formato formato = Formato::Texto;
};

struct ArgumentosAnalizados {
    std::optional<Peticion> peticion;
    // Why there is no request, in a sentence for the user.
    std::string error;
};

// `argumentos` are the words after the program's name.
ArgumentosAnalizados AnalizaArgumentos(const std::vector<std::string>& argumentos);

}  // namespace velistra::consola
