#pragma once
// The program's pictures by resource id, as the desktop's painter made them. The page
// fills it once: from the file the build writes (CargaArchivo) or picture by picture.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "web/lienzo/MapaDeBits.h"

namespace velistra::web {

class BancoDeImagenes {
public:
    // `rgba`: ancho x alto x 4 bytes, row after row (drawn opaque, as on the desktop's
    // canvas). Replaces a picture of the same id; give every picture before drawing.
    void Agrega(int id, int ancho, int alto, const std::uint8_t* rgba);

    // The pictures file ("VLIM"): answers false, adding nothing, when it is damaged.
    bool Carga(const std::uint8_t* datos, std::size_t tamano);
    bool CargaArchivo(const std::string& ruta);

    // The picture of that id, or null.
    const MapaDeBits* Busca(int id) const;
    std::size_t Cuantas() const { return porId_.size(); }

private:
    std::unordered_map<int, MapaDeBits> porId_;
};

}  // namespace velistra::web
