#pragma once
#include "tableros/TableroDeTerminales.h"

namespace velistra {

// What tells the LED board and the seven-segment board apart.
struct ClaseDeLuces {
    int tipo = 0;
    int luces = 0;
    Rejilla entradas;  // one input terminal per light, in a row
    Rejilla comun;     // the lone common terminal
    Zona marcador;
    // The common terminal must read this state and type for anything to light...
    char estadoComun = '0';
    char tipoComun = 'G';
    // ...and then a light is lit while its input reads this.
    char nivelEncendido = '1';
};

// A row of lights, each with one input terminal (ports 0..n-1, type 'E'), and a common
// terminal (port n) that must be wired to the right supply strip. The board drives
// nothing: a light's state is read from its port whenever it is needed.
class TableroDeLuces : public TableroDeTerminales {
public:
    int PuertoComun() const { return nLuces; }
    bool EstadoDeLed(int i) const override;
    // The common terminal: to ground for the LEDs, to VCC for the common-anode displays.
    std::vector<TomaDeAlimentacion> TomasDeAlimentacion() const override {
        return {{PuertoComun(), cTipoComun}};
    }

    // The picture, then the lit lights (DibujaLuces).
    void Dibuja(Lienzo& lienzo) final;

protected:
    explicit TableroDeLuces(const ClaseDeLuces& clase);

private:
    int nLuces;
    char cEstadoComun;
    char cTipoComun;
    char cNivelEncendido;
};

}  // namespace velistra
