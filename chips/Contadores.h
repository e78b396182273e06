#pragma once
// Counters, shift registers and the 4 x 4 register file. A count or a register's contents
// lives in the chip's own output entries (the 74165, 74166 and 74170 keep theirs in state
// entries) and is read back at the start of every evaluation.
#include <memory>

#include "chips/CircuitoElectronico.h"
#include "chips/NombresDePrototipos.h"

namespace velistra {

struct EsquemaAsincrono;
struct EsquemaConHabilitaciones;
struct SecuenciaDeCuenta;

// Ripple counters described as data: sections that count on a falling clock edge, with
// set and clear inputs that override the clocks.
class ContadorAsincrono : public CircuitoElectronico {
public:
    ContadorAsincrono(int codigoDeCatalogo, const EsquemaAsincrono& esquema);
    bool Funcion(bool* valores) const override;

private:
    const EsquemaAsincrono& esquema;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaContadorAsincrono(int codigoDeCatalogo);

// Synchronous counters with count enables ENP and ENT and a ripple carry (74160 pin-out).
class ContadorConHabilitaciones : public CircuitoElectronico {
public:
    ContadorConHabilitaciones(int codigoDeCatalogo, const EsquemaConHabilitaciones& esquema);
    bool Funcion(bool* valores) const override;

private:
    const EsquemaConHabilitaciones& esquema;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaContadorConHabilitaciones(int codigoDeCatalogo);

// Up/down counters with one clock, asynchronous load, max/min and ripple clock outputs.
class ContadorDeCargaAsincrona : public CircuitoElectronico {
public:
    ContadorDeCargaAsincrona(int codigoDeCatalogo, const SecuenciaDeCuenta& secuencia);
    bool Funcion(bool* valores) const override;
    void EstadoInicial(bool* valores) const override;

private:
    const SecuenciaDeCuenta& secuencia;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaContadorDeCargaAsincrona(int codigoDeCatalogo);

// Up/down counters with separate count-up and count-down clocks, carry and borrow.
class ContadorDeDosRelojes : public CircuitoElectronico {
public:
    ContadorDeDosRelojes(int codigoDeCatalogo, const SecuenciaDeCuenta& secuencia);
    bool Funcion(bool* valores) const override;

private:
    const SecuenciaDeCuenta& secuencia;
};

// The chip of that catalogue code that this family computes, or null.
std::unique_ptr<CircuitoElectronico> CreaContadorDeDosRelojes(int codigoDeCatalogo);

// Shift registers: each has its own control logic over a shared shifting of stages.
class Chip7495 final : public CircuitoElectronico {
public:
    Chip7495();
    bool Funcion(bool* valores) const override;
};

class Chip74164 final : public CircuitoElectronico {
public:
    Chip74164();
    bool Funcion(bool* valores) const override;
};

class Chip74165 final : public CircuitoElectronico {
public:
    Chip74165();
    bool Funcion(bool* valores) const override;
};

class Chip74166 final : public CircuitoElectronico {
public:
    Chip74166();
    bool Funcion(bool* valores) const override;
};

class Chip74194 final : public CircuitoElectronico {
public:
    Chip74194();
    bool Funcion(bool* valores) const override;
    void EstadoInicial(bool* valores) const override;
};

class Chip74195 final : public CircuitoElectronico {
public:
    Chip74195();
    bool Funcion(bool* valores) const override;
};

// 4 words of 4 bits with independent write and read addresses.
class Chip74170 final : public CircuitoElectronico {
public:
    Chip74170();
    bool Funcion(bool* valores) const override;
};

}  // namespace velistra
