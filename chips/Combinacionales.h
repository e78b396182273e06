#pragma once
// Combinational chips: decoders, priority encoders, multiplexers, adders, the
// comparator, the parity generator and the ALU. Only the 74137 keeps state (its
// latched address); every other output follows from the inputs alone.
#include <array>
#include <cstdint>
#include <memory>

#include "chips/CircuitoElectronico.h"
#include "chips/NombresDePrototipos.h"

namespace velistra {

struct EsquemaDeDescodificador;
struct EsquemaDeMultiplexor;
struct EsquemaDeSumador;

// One-of-n decoders described by data: sections with enables, selects and outputs.
class ChipDescodificador : public CircuitoElectronico {
public:
    ChipDescodificador(int codigoDeCatalogo, const EsquemaDeDescodificador& esquema);
    bool Funcion(bool* valores) const override;

private:
    const EsquemaDeDescodificador& esquema;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaDescodificador(int codigoDeCatalogo);

// 3-to-8 decoder whose address is held in a latch while GL is high.
class Chip74137 final : public CircuitoElectronico {
public:
    Chip74137();
    bool Funcion(bool* valores) const override;
};

// Digits lit on each segment a..g: bit d set when the segment is lit for digit d.
using TablaDeSegmentos = std::array<std::uint16_t, 7>;

// BCD to seven-segment decoders with lamp test and ripple blanking.
class ChipDeSieteSegmentos : public CircuitoElectronico {
public:
    ChipDeSieteSegmentos(int codigoDeCatalogo, const TablaDeSegmentos& segmentos);
    bool Funcion(bool* valores) const override;

private:
    const TablaDeSegmentos& segmentos;
    bool bExcitaRBO;  // pin 4 is driven only where the chip types it as an output
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaDeSieteSegmentos(int codigoDeCatalogo);

class Chip74147 final : public CircuitoElectronico {
public:
    Chip74147();
    bool Funcion(bool* valores) const override;
};

class Chip74148 final : public CircuitoElectronico {
public:
    Chip74148();
    bool Funcion(bool* valores) const override;
};

// Multiplexers described by data: common selects, sections with strobe, data and outputs.
class ChipMultiplexor : public CircuitoElectronico {
public:
    ChipMultiplexor(int codigoDeCatalogo, const EsquemaDeMultiplexor& esquema);
    bool Funcion(bool* valores) const override;

private:
    const EsquemaDeMultiplexor& esquema;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaMultiplexor(int codigoDeCatalogo);

// 4-bit binary adders; the two types differ only in their pinout.
class ChipSumador : public CircuitoElectronico {
public:
    ChipSumador(int codigoDeCatalogo, const EsquemaDeSumador& esquema);
    bool Funcion(bool* valores) const override;

private:
    const EsquemaDeSumador& esquema;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaSumador(int codigoDeCatalogo);

class Chip7485 final : public CircuitoElectronico {
public:
    Chip7485();
    bool Funcion(bool* valores) const override;
};

class Chip74280 final : public CircuitoElectronico {
public:
    Chip74280();
    bool Funcion(bool* valores) const override;
};

// 4-bit ALU, evaluated gate by gate on the active-high reading of its pins.
class Chip74181 final : public CircuitoElectronico {
public:
    Chip74181();
    bool Funcion(bool* valores) const override;
};

}  // namespace velistra
