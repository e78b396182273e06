#pragma once
// Chip library: the chip model base, the catalogue (one row per chip), one file per family.
// Chip logic touches only the value table it is given; prototypes never change.

namespace velistra {

struct FichaDeChip;

// Shared, immutable model of one chip type. Per-chip values live in the placed chip's
// 64-entry value table: entry i is pin i, then the type's state entries, then private
// memory that persists between evaluations.
class CircuitoElectronico {
public:
    static constexpr int kEntradasDeTabla = 64;
    static constexpr int kMaximoDeEntradas = 62;

    // `tipos` is 1-based: character i is pin i's type (character 0 is ignored).
    CircuitoElectronico(long lCodigo, int nPines, int nEstados, const char* tipos);
    // From the catalogue row, whose pin-type string starts at pin 1.
    explicit CircuitoElectronico(const FichaDeChip& ficha);
    // Built by catalogue code: every chip class takes its data from its catalogue row.
    explicit CircuitoElectronico(int codigoDeCatalogo);
    virtual ~CircuitoElectronico() = default;
    CircuitoElectronico(const CircuitoElectronico&) = delete;
    CircuitoElectronico& operator=(const CircuitoElectronico&) = delete;

    int NumeroDePines() const { return nPines; }
    int NumeroDeEstados() const { return nEstados; }
    const char* TiposDePines() const { return acTipo; }
    long Codigo() const { return lCodigo; }
    const char* EstadosDePines() const { return acEstado; }
    // The output pins ('S'), in pin order, ended by a 0.
    const unsigned char* PinesDeSalida() const { return aiSalida; }

    // Evaluates once on the value table; true when an output pin changed.
    virtual bool Funcion(bool* valores) const;
    // Writes the switch-on values into a table that has just been cleared.
    virtual void EstadoInicial(bool* valores) const;

private:
    void Construye(long codigo, int pines, int estados, const char* tipos, int desplazamiento);

    int nPines = 0;
    int nEstados = 0;
    long lCodigo = 0;
    // At most 62 pins: there is always room for the end mark.
    unsigned char aiSalida[kEntradasDeTabla] = {};
    char acEstado[kEntradasDeTabla] = {};
    char acTipo[kEntradasDeTabla] = {};
};

// The catalogue code (7000 + n for "74" followed by n) of a model code (7400, 74107).
int CodigoDeCatalogo(long codigoDeModelo);
// The prototype of a catalogue code, or null for any other number.
const CircuitoElectronico* ChipTTL(int lCodigo);

}  // namespace velistra
