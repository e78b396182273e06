#include "CircuitosDeAlumnos.h"

#include "Montaje.h"

namespace velistra::prueba {

using ejemplos::Montaje;

std::string Semisumador(Alumno a) {
    Montaje m;
    const auto [p, palancas, leds] = m.ConLamparas(Tablero::kInterruptores);
    const ChipColocado suma = m.Inserta(a.puertaDeSuma, p, 4);
    const ChipColocado acarreo = m.Inserta(7008, p, 14);
    for (const ChipColocado& chip : {suma, acarreo}) {
        m.PinAGnd(chip, 7);
        if (a.alimentaAcarreo || chip.columna != acarreo.columna) m.PinAVcc(chip, 14);
        m.CableaTira(palancas, 0, chip, 1);
        if (a.cableaB || chip.columna != acarreo.columna) m.CableaTira(palancas, 1, chip, 2);
    }
    if (a.alimentaPalancas) m.AlimentaTiras(p, palancas);
    else m.PuertoAGnd(p, palancas, 25);
    m.CableaPuerto(leds, 0, suma, 3);
    m.CableaPuerto(leds, 1, acarreo, 3);
    if (a.llevaLedsATierra) m.PuertoAGnd(p, leds, 8);
    if (a.chipSuelto) m.Deja(7000, {900, 700});
    if (a.unePalancas) m.UneComoUnArchivo(palancas, 2, palancas, 5);
    return m.Texto();
}

std::string Oscilante() {
    Montaje m;
    const auto [p, palancas, leds] = m.ConLamparas(Tablero::kInterruptores);
    const ChipColocado inversor = m.InsertaAlimentado(7004, p, 4, 7, 14);
    m.Une(inversor, 2, inversor, 1);
    m.CableaTira(palancas, 0, inversor, 3);
    m.AlimentaTiras(p, palancas);
    m.CableaPuerto(leds, 0, inversor, 2);
    m.CableaPuerto(leds, 1, inversor, 4);
    m.PuertoAGnd(p, leds, 8);
    return m.Texto();
}

}  // namespace velistra::prueba
