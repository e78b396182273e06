#pragma once
// A workbench of its own for each measurement, built and proven to work first.
#include <memory>
#include <string>

#include "bench/Generador.h"
#include "plataforma/Avisos.h"
#include "simulacion/Mesa.h"

namespace velistra::banco {

// Counts the messages a settling shows instead of showing them: a generated circuit
// must never reach the iteration limit.
class AvisosContados final : public Avisos {
public:
    void Muestra(const std::string&, const std::string&, Icono) override { ++mostrados; }
    Respuesta Pregunta(const std::string&, const std::string&) override { return Respuesta::No; }
    int mostrados = 0;
};

struct MesaDeBanco {
    AvisosContados avisos;
    Mesa mesa{avisos};
};

// What went wrong with a circuit, or an empty text: the workbench's check and no message.
std::string Problema(MesaDeBanco& banco, Familia familia);

// The generated circuit, checked (CompruebaCircuito): supply on, ready to be measured.
// A circuit that cannot be built or does not work ends the program with the reason:
// figures of a broken circuit would mean nothing.
std::unique_ptr<MesaDeBanco> MesaComprobada(const Pedido& pedido);

[[noreturn]] void Aborta(const std::string& circuito, const std::string& motivo);

}  // namespace velistra::banco
