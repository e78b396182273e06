#include "web/lienzo/SellosDeElipse.h"

#include <utility>

#include "web/lienzo/LecturaBinaria.h"

namespace velistra::web {

namespace {
constexpr int kLadoMaximo = 512;
}

bool SellosDeElipse::Carga(const std::uint8_t* datos, std::size_t tamano) {
    LecturaBinaria lectura(datos, tamano);
    std::uint32_t cuantos = 0;
    if (!lectura.Cabecera("VLEL", 1) || !lectura.Natural(cuantos)) return false;
    std::map<std::tuple<int, int, int>, SelloDeElipse> sellos;
    for (std::uint32_t i = 0; i < cuantos; ++i) {
        SelloDeElipse sello;
        int pluma = 0;
        const std::uint8_t* pixeles = nullptr;
        if (!lectura.Medida(sello.ancho, kLadoMaximo) || !lectura.Medida(sello.alto, kLadoMaximo) ||
            !lectura.Medida(pluma, kLadoMaximo) ||
            !lectura.Bloque(static_cast<std::size_t>(sello.ancho) * sello.alto, pixeles))
            return false;
        sello.pixeles.assign(pixeles, pixeles + static_cast<std::size_t>(sello.ancho) * sello.alto);
        for (const std::uint8_t p : sello.pixeles) {
            if (p > SelloDeElipse::kPluma) return false;
        }
        const auto clave = std::make_tuple(sello.ancho, sello.alto, pluma);
        sellos[clave] = std::move(sello);
    }
    if (!lectura.AlFinal()) return false;
    sellos_ = std::move(sellos);
    return true;
}

bool SellosDeElipse::CargaArchivo(const std::string& ruta) { return CargaDeArchivo(*this, ruta); }

const SelloDeElipse* SellosDeElipse::Busca(int ancho, int alto, int pluma) const {
    const auto hallado = sellos_.find({ancho, alto, pluma});
    return hallado == sellos_.end() ? nullptr : &hallado->second;
}

}  // namespace velistra::web
