#pragma once
// The workbench's font as bitmaps, one per character, made at build time from the
// desktop's own font: text keeps the desktop's letters, advances and line height.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace velistra::web {

struct Glifo {
    int avance = 0;
    // The bitmap's top-left, from the pen's position on the line's top.
    int x = 0;
    int y = 0;
    int ancho = 0;
    int alto = 0;
    std::vector<std::uint8_t> tinta;  // ancho x alto, 1 where the letter is
};

class FuenteDeMapa {
public:
    // The font file ("VLFT"): answers false, keeping what it held, when it is damaged.
    bool Carga(const std::uint8_t* datos, std::size_t tamano);
    bool CargaArchivo(const std::string& ruta);

    int Alto() const { return alto_; }
    // Width of the text as drawn (sum of advances); UTF-8 in.
    int Anchura(const std::string& texto) const;
    // The glyph of that code point; characters the font lacks show as '?', or nothing.
    const Glifo* Busca(char32_t caracter) const;

private:
    int alto_ = 0;
    std::unordered_map<char32_t, Glifo> glifos_;
};

// The code points of a UTF-8 text; a malformed byte counts as U+FFFD.
std::vector<char32_t> CaracteresDe(const std::string& texto);

}  // namespace velistra::web
