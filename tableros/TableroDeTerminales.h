#pragma once
#include <optional>
#include <vector>

#include "tableros/Geometria.h"
#include "modelo/Tablero.h"

namespace velistra {

// A board whose terminals and handles are tables of geometry: finding the port or the
// handle under a point, and numbering the strips, work the same way for all of them.
class TableroDeTerminales : public Tablero {
public:
    using Tablero::NodoBase;

    Puerto* PuertoEn(int x, int y) override;
    std::optional<Punto> CentroDePuerto(int i) const override;
    bool MarcadorEn(int x, int y) override;
    // Strips get consecutive node numbers from `base`, in the order of their ports.
    void NodoBase(int base) override;

protected:
    TableroDeTerminales(std::vector<GrupoDeTerminales> terminales, std::vector<Zona> marcadores);

    // Diagnostic: port i's state (or type) character, just above the terminal.
    void EscribeCaracterDePuerto(Lienzo& lienzo, int i, bool bEstado) const;

private:
    std::vector<GrupoDeTerminales> terminales;
    std::vector<Zona> marcadores;
};

}  // namespace velistra
