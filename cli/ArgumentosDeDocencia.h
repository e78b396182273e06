#pragma once
#include <optional>
#include <string>
#include <vector>

#include "cli/Argumentos.h"

namespace velistra::consola {

// What comprobar asks for: the circuits (files or folders) and what they must give.
struct PeticionDeComprobacion {
    std::vector<std::string> circuitos;
    std::optional<std::string> tabla;
    std::optional<std::string> referencia;
    std::optional<std::string> guion;
    std::optional<std::string> salida;
    Formato formato = Formato::Texto;
    // A table that leaves out combinations of its levers is refused rather than compared.
    bool completa = false;
    // Per circuit; past it the circuit is reported as not finished.
    int plazo = 10;
};

struct PeticionDeRevision {
    std::string circuito;
    Formato formato = Formato::Texto;
};

// `argumentos` start with the order's own word. Nothing, and the reason, on bad usage.
std::optional<PeticionDeComprobacion> AnalizaComprobacion(const std::vector<std::string>& argumentos,
                                                          std::string& error);
std::optional<PeticionDeRevision> AnalizaRevision(const std::vector<std::string>& argumentos,
                                                  std::string& error);

}  // namespace velistra::consola
