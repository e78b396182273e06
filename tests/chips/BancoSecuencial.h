#pragma once
// Drives a storage chip the way a placed chip does: one value table that persists between
// evaluations, the supply connected and every input that no step sets floating high.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "chips/CircuitoElectronico.h"

namespace velistra::banco {

class ChipEnBanco {
public:
    explicit ChipEnBanco(const CircuitoElectronico& chip) : chip(chip) {
        chip.EstadoInicial(valores.data());
        for (int pin = 1; pin <= chip.NumeroDePines(); ++pin) {
            const char tipo = chip.TiposDePines()[pin];
            if (tipo == 'E' || tipo == 'V') valores[pin] = true;
            if (tipo == 'G') valores[pin] = false;
        }
    }

    void Pon(int pin, bool nivel) { valores[pin] = nivel; }
    bool Evalua() { return chip.Funcion(valores.data()); }
    bool Nivel(int entrada) const { return valores[entrada]; }
    const std::array<bool, CircuitoElectronico::kEntradasDeTabla>& Valores() const {
        return valores;
    }

    std::string Lee(const std::vector<int>& pines) const {
        std::string niveles;
        for (int pin : pines) niveles += valores[pin] ? '1' : '0';
        return niveles;
    }

private:
    const CircuitoElectronico& chip;
    std::array<bool, CircuitoElectronico::kEntradasDeTabla> valores{};
};

// One line of a function table. Levels are '0' and '1', one per pin of the sequence, in
// its order; blanks only group the columns.
struct Paso {
    std::string entradas;
    std::string salidas;
    std::string nota;
};

struct Secuencia {
    std::string nombre;
    const CircuitoElectronico* chip;
    std::vector<int> entradas;
    std::vector<int> salidas;
    std::vector<Paso> pasos;
};

inline std::string SinBlancos(std::string texto) {
    std::erase(texto, ' ');
    return texto;
}

// Each step sets its inputs, evaluates once and compares the outputs; a second evaluation
// with nothing changed must then report no change and move nothing.
inline void RecorreSecuencia(const Secuencia& secuencia) {
    ChipEnBanco banco(*secuencia.chip);
    for (std::size_t n = 0; n < secuencia.pasos.size(); ++n) {
        const Paso& paso = secuencia.pasos[n];
        const std::string entradas = SinBlancos(paso.entradas);
        const std::string esperado = SinBlancos(paso.salidas);
        SCOPED_TRACE("paso " + std::to_string(n + 1) + ": " + paso.nota);
        ASSERT_EQ(entradas.size(), secuencia.entradas.size());
        ASSERT_EQ(esperado.size(), secuencia.salidas.size());
        for (std::size_t i = 0; i < entradas.size(); ++i)
            banco.Pon(secuencia.entradas[i], entradas[i] == '1');
        const std::string antes = banco.Lee(secuencia.salidas);
        const bool cambio = banco.Evalua();
        EXPECT_EQ(banco.Lee(secuencia.salidas), esperado);
        if (antes != esperado) {
            EXPECT_TRUE(cambio);
        }
        EXPECT_FALSE(banco.Evalua()) << "una segunda evaluación sin cambios movió una salida";
        EXPECT_EQ(banco.Lee(secuencia.salidas), esperado);
    }
}

inline std::string NombreDeSecuencia(const testing::TestParamInfo<Secuencia>& info) {
    return info.param.nombre;
}

}  // namespace velistra::banco
