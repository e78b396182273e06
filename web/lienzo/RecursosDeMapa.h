#pragma once
// Everything a LienzoDeMapa draws with, made at build time by the desktop: the
// pictures, the font and the ellipses. Loaded once, shared by every repaint.
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "web/lienzo/BancoDeImagenes.h"
#include "web/lienzo/FuenteDeMapa.h"
#include "web/lienzo/SellosDeElipse.h"

namespace velistra::web {

// The files the build writes, by name, in one folder.
inline constexpr const char* kArchivoDeImagenes = "imagenes.vlim";
inline constexpr const char* kArchivoDeFuente = "fuente.vlft";
inline constexpr const char* kArchivoDeElipses = "elipses.vlel";

struct TramoDeFila {
    int y, izquierda, derecha;  // inclusive, in the picture's pixels
};

class RecursosDeMapa {
public:
    // The three files of `carpeta`; false if any is missing or damaged.
    bool CargaCarpeta(const std::string& carpeta);

    BancoDeImagenes imagenes;
    FuenteDeMapa fuente;
    SellosDeElipse elipses;

    // The area a fill from (x, y) up to `borde` covers on picture `id`, found once:
    // the pictures never change (a lamp is filled on every repaint).
    const std::vector<TramoDeFila>& ZonaRellenada(int id, int x, int y, Color borde) const;

private:
    mutable std::map<std::tuple<int, int, int, Color>, std::vector<TramoDeFila>> zonas_;
};

}  // namespace velistra::web
