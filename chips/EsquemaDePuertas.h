#pragma once
// A gate chip as plain data: its power pins and, per gate, the output pin and the input
// pins that feed it. Each catalogue row of a gate chip points to one, so anything that
// evaluates gates (the chip's Funcion, or an engine that compiles a circuit) reads the
// same description.
#include <array>
#include <span>

namespace velistra {

inline constexpr int kPinesPorGrupo = 13;
inline constexpr int kGruposPorPuerta = 5;

// Pins of one AND term; 0 ends the list (no pin is numbered 0).
using Grupo = std::array<int, kPinesPorGrupo>;

enum class Combinacion { O, OExclusiva };

// Every gate is an OR (or XOR) of AND terms, optionally inverted: that covers AND, NAND,
// OR, NOR, NOT, XOR and AND-OR-INVERT with one evaluator.
struct Puerta {
    int salida = 0;
    std::array<Grupo, kGruposPorPuerta> grupos{};
    Combinacion combinacion = Combinacion::O;
    bool negada = false;
};

struct EsquemaDePuertas {
    int tierra;
    int alimentacion;
    std::span<const Puerta> puertas;
};

inline bool EvaluaGrupo(const Grupo& grupo, const bool* valores) {
    for (int pin : grupo) {
        if (pin == 0) break;
        if (!valores[pin]) return false;
    }
    return true;
}

// The gate's output on the value table (entry i is pin i), power aside.
inline bool EvaluaPuerta(const Puerta& puerta, const bool* valores) {
    bool resultado = false;
    for (const Grupo& grupo : puerta.grupos) {
        if (grupo[0] == 0) break;
        const bool termino = EvaluaGrupo(grupo, valores);
        resultado =
            puerta.combinacion == Combinacion::O ? resultado || termino : resultado != termino;
    }
    return resultado != puerta.negada;
}

}  // namespace velistra
