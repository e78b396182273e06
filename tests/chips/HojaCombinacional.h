#pragma once
// Exhaustive truth-table checks for combinational chips: every combination of a chip's
// inputs, powered and unpowered, against a model written independently in the test.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "chips/CircuitoElectronico.h"

namespace velistra::prueba {

using Tabla = std::array<bool, CircuitoElectronico::kEntradasDeTabla>;

// Given the table as it stands before an evaluation of the powered chip, writes the
// outputs (and any state entries) the chip must leave.
using Modelo = std::function<void(Tabla&)>;

struct HojaCombinacional {
    std::string nombre;  // model number, "7442"
    const CircuitoElectronico* chip;
    int tierra;
    int alimentacion;
    std::vector<int> entradas;  // every input pin; all their combinations are tried
    std::vector<int> salidas;
    Modelo modelo;
    bool nivelSinAlimentacion = false;       // every output while unpowered
    bool alimentacionEnPinesDeEntrada = false;  // ground and supply typed 'E'
};

// Number on pins listed from bit 0 upwards.
inline int Numero(const Tabla& t, std::initializer_list<int> pines) {
    int numero = 0;
    int peso = 1;
    for (int pin : pines) {
        if (t[static_cast<std::size_t>(pin)]) numero += peso;
        peso *= 2;
    }
    return numero;
}

inline void PonNumero(Tabla& t, std::initializer_list<int> pines, int numero) {
    for (int pin : pines) {
        t[static_cast<std::size_t>(pin)] = numero % 2 != 0;
        numero /= 2;
    }
}

inline bool& Pin(Tabla& t, int pin) { return t[static_cast<std::size_t>(pin)]; }

// A powered chip's table with every other pin floating (reading 1).
inline Tabla Alimentada(int tierra, int alimentacion) {
    Tabla t{};
    t.fill(true);
    Pin(t, tierra) = false;
    Pin(t, alimentacion) = true;
    return t;
}

// The catalogue types exactly the sheet's inputs as 'E', outputs as 'S', the rest 'N'.
void CompruebaTiposDePines(const HojaCombinacional& hoja);
// Every input combination in every power condition, on one table carried from one
// evaluation to the next like a placed chip's; also checks that Funcion answers true
// exactly when an output changed and that a repeated evaluation changes nothing.
void CompruebaTablaDeVerdad(const HojaCombinacional& hoja);

// Failure messages name the chip instead of dumping the sheet's bytes.
inline void PrintTo(const HojaCombinacional& hoja, std::ostream* salida) { *salida << hoja.nombre; }

class ChipCombinacional : public ::testing::TestWithParam<HojaCombinacional> {};

std::string NombreDeHoja(const ::testing::TestParamInfo<HojaCombinacional>& info);

}  // namespace velistra::prueba
