#pragma once
// Combinational chips: decoders, priority encoders, multiplexers, adders, the
// comparator, the parity generator and the ALU. Only the 74137 keeps state (its
// latched address); every other output follows from the inputs alone.
#include <array>
#include <cstdint>

#include "chips/CircuitoElectronico.h"

namespace velistra {

struct EsquemaDeDescodificador;
struct EsquemaDeMultiplexor;
struct EsquemaDeSumador;

// One-of-n decoders described by data: sections with enables, selects and outputs.
class ChipDescodificador : public CircuitoElectronico {
public:
    bool Funcion(bool* valores) const override;

protected:
    ChipDescodificador(int codigoDeCatalogo, const EsquemaDeDescodificador& esquema);

private:
    const EsquemaDeDescodificador& esquema;
};

class Chip7442 final : public ChipDescodificador { public: Chip7442(); };
class Chip74138 final : public ChipDescodificador { public: Chip74138(); };
class Chip74139 final : public ChipDescodificador { public: Chip74139(); };
class Chip74155 final : public ChipDescodificador { public: Chip74155(); };

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
    bool Funcion(bool* valores) const override;

protected:
    ChipDeSieteSegmentos(int codigoDeCatalogo, const TablaDeSegmentos& segmentos);

private:
    const TablaDeSegmentos& segmentos;
    bool bExcitaRBO;  // pin 4 is driven only where the chip types it as an output
};

class Chip7447 final : public ChipDeSieteSegmentos { public: Chip7447(); };
class Chip74247 final : public ChipDeSieteSegmentos { public: Chip74247(); };

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
    bool Funcion(bool* valores) const override;

protected:
    ChipMultiplexor(int codigoDeCatalogo, const EsquemaDeMultiplexor& esquema);

private:
    const EsquemaDeMultiplexor& esquema;
};

class Chip74151 final : public ChipMultiplexor { public: Chip74151(); };
class Chip74153 final : public ChipMultiplexor { public: Chip74153(); };
class Chip74157 final : public ChipMultiplexor { public: Chip74157(); };
class Chip74158 final : public ChipMultiplexor { public: Chip74158(); };
class Chip74352 final : public ChipMultiplexor { public: Chip74352(); };

// 4-bit binary adders; the two types differ only in their pinout.
class ChipSumador : public CircuitoElectronico {
public:
    bool Funcion(bool* valores) const override;

protected:
    ChipSumador(int codigoDeCatalogo, const EsquemaDeSumador& esquema);

private:
    const EsquemaDeSumador& esquema;
};

class Chip7483A final : public ChipSumador { public: Chip7483A(); };
class Chip74283 final : public ChipSumador { public: Chip74283(); };

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

extern const Chip7442 ci7442;
extern const Chip7447 ci7447;
extern const Chip7483A ci7483;
extern const Chip7485 ci7485;
extern const Chip74137 ci74137;
extern const Chip74138 ci74138;
extern const Chip74139 ci74139;
extern const Chip74147 ci74147;
extern const Chip74148 ci74148;
extern const Chip74151 ci74151;
extern const Chip74153 ci74153;
extern const Chip74155 ci74155;
extern const Chip74157 ci74157;
extern const Chip74158 ci74158;
extern const Chip74181 ci74181;
extern const Chip74247 ci74247;
extern const Chip74280 ci74280;
extern const Chip74283 ci74283;
extern const Chip74352 ci74352;

}  // namespace velistra
