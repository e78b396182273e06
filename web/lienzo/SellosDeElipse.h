#pragma once
// The desktop's ellipses for the box sizes and pens the workbench draws them with,
// rendered at build time by the desktop's own painter: its curves are not derived here.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>

#include "web/lienzo/Formas.h"

namespace velistra::web {

class SellosDeElipse {
public:
    // The ellipse file ("VLEL"): answers false, keeping what it held, when it is damaged.
    bool Carga(const std::uint8_t* datos, std::size_t tamano);
    bool CargaArchivo(const std::string& ruta);

    // The desktop's ellipse of that box and pen, or null when the table lacks it.
    const SelloDeElipse* Busca(int ancho, int alto, int pluma) const;
    std::size_t Cuantos() const { return sellos_.size(); }

private:
    std::map<std::tuple<int, int, int>, SelloDeElipse> sellos_;
};

}  // namespace velistra::web
