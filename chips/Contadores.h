#pragma once
// Counters, shift registers and the 4 x 4 register file. A count or a register's contents
// lives in the chip's own output entries (the 74165, 74166 and 74170 keep theirs in state
// entries) and is read back at the start of every evaluation.
#include "chips/CircuitoElectronico.h"

namespace velistra {

struct EsquemaAsincrono;
struct EsquemaConHabilitaciones;
struct SecuenciaDeCuenta;

// Ripple counters described as data: sections that count on a falling clock edge, with
// set and clear inputs that override the clocks.
class ContadorAsincrono : public CircuitoElectronico {
public:
    bool Funcion(bool* valores) const override;

protected:
    ContadorAsincrono(int codigoDeCatalogo, const EsquemaAsincrono& esquema);

private:
    const EsquemaAsincrono& esquema;
};

// clang-format off
class Chip7490 final : public ContadorAsincrono { public: Chip7490(); };
class Chip7492 final : public ContadorAsincrono { public: Chip7492(); };
class Chip7493 final : public ContadorAsincrono { public: Chip7493(); };
class Chip74196 final : public ContadorAsincrono { public: Chip74196(); };
class Chip74197 final : public ContadorAsincrono { public: Chip74197(); };
class Chip74290 final : public ContadorAsincrono { public: Chip74290(); };
class Chip74293 final : public ContadorAsincrono { public: Chip74293(); };
class Chip74390 final : public ContadorAsincrono { public: Chip74390(); };
class Chip74393 final : public ContadorAsincrono { public: Chip74393(); };
class Chip74490 final : public ContadorAsincrono { public: Chip74490(); };
// clang-format on

// Synchronous counters with count enables ENP and ENT and a ripple carry (74160 pin-out).
class ContadorConHabilitaciones : public CircuitoElectronico {
public:
    bool Funcion(bool* valores) const override;

protected:
    ContadorConHabilitaciones(int codigoDeCatalogo, const EsquemaConHabilitaciones& esquema);

private:
    const EsquemaConHabilitaciones& esquema;
};

// clang-format off
class Chip74160 final : public ContadorConHabilitaciones { public: Chip74160(); };
class Chip74161 final : public ContadorConHabilitaciones { public: Chip74161(); };
class Chip74162 final : public ContadorConHabilitaciones { public: Chip74162(); };
class Chip74163 final : public ContadorConHabilitaciones { public: Chip74163(); };
class Chip74168 final : public ContadorConHabilitaciones { public: Chip74168(); };
class Chip74169 final : public ContadorConHabilitaciones { public: Chip74169(); };
class Chip74669 final : public ContadorConHabilitaciones { public: Chip74669(); };
// clang-format on

// Up/down counters with one clock, asynchronous load, max/min and ripple clock outputs.
class ContadorDeCargaAsincrona : public CircuitoElectronico {
public:
    bool Funcion(bool* valores) const override;
    void EstadoInicial(bool* valores) const override;

protected:
    ContadorDeCargaAsincrona(int codigoDeCatalogo, const SecuenciaDeCuenta& secuencia);

private:
    const SecuenciaDeCuenta& secuencia;
};

// clang-format off
class Chip74190 final : public ContadorDeCargaAsincrona { public: Chip74190(); };
class Chip74191 final : public ContadorDeCargaAsincrona { public: Chip74191(); };
// clang-format on

// Up/down counters with separate count-up and count-down clocks, carry and borrow.
class ContadorDeDosRelojes : public CircuitoElectronico {
public:
    bool Funcion(bool* valores) const override;

protected:
    ContadorDeDosRelojes(int codigoDeCatalogo, const SecuenciaDeCuenta& secuencia);

private:
    const SecuenciaDeCuenta& secuencia;
};

// clang-format off
class Chip74192 final : public ContadorDeDosRelojes { public: Chip74192(); };
class Chip74193 final : public ContadorDeDosRelojes { public: Chip74193(); };
// clang-format on

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

extern const Chip7490 ci7490;
extern const Chip7492 ci7492;
extern const Chip7493 ci7493;
extern const Chip7495 ci7495;
extern const Chip74160 ci74160;
extern const Chip74161 ci74161;
extern const Chip74162 ci74162;
extern const Chip74163 ci74163;
extern const Chip74164 ci74164;
extern const Chip74165 ci74165;
extern const Chip74166 ci74166;
extern const Chip74168 ci74168;
extern const Chip74169 ci74169;
extern const Chip74170 ci74170;
extern const Chip74190 ci74190;
extern const Chip74191 ci74191;
extern const Chip74192 ci74192;
extern const Chip74193 ci74193;
extern const Chip74194 ci74194;
extern const Chip74195 ci74195;
extern const Chip74196 ci74196;
extern const Chip74197 ci74197;
extern const Chip74290 ci74290;
extern const Chip74293 ci74293;
extern const Chip74390 ci74390;
extern const Chip74393 ci74393;
extern const Chip74490 ci74490;
extern const Chip74669 ci74669;

}  // namespace velistra
