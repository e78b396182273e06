#include "web/lienzo/BancoDeImagenes.h"

#include <cstring>
#include <utility>
#include <vector>

#include "web/lienzo/LecturaBinaria.h"

namespace velistra::web {

namespace {
// Larger than any picture of the program; a bound against damaged sizes.
constexpr int kLadoMaximo = 4096;

// One picture of the file: its size, then runs of equal pixels (count, RGBA).
bool LeeImagen(LecturaBinaria& lectura, int& id, MapaDeBits& mapa) {
    int ancho = 0, alto = 0;
    std::uint32_t tramos = 0;
    if (!lectura.Entero(id) || !lectura.Medida(ancho, kLadoMaximo) ||
        !lectura.Medida(alto, kLadoMaximo) || !lectura.Natural(tramos))
        return false;
    mapa = MapaDeBits(ancho, alto);
    const std::size_t total = static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto);
    std::size_t hechos = 0;
    Pixel* destino = total > 0 ? mapa.Fila(0) : nullptr;
    for (std::uint32_t t = 0; t < tramos; ++t) {
        std::uint32_t cuantos = 0, pixel = 0;
        if (!lectura.Natural(cuantos) || !lectura.Natural(pixel)) return false;
        if (cuantos > total - hechos) return false;
        for (std::uint32_t i = 0; i < cuantos; ++i) destino[hechos++] = pixel;
    }
    return hechos == total;
}
}  // namespace

void BancoDeImagenes::Agrega(int id, int ancho, int alto, const std::uint8_t* rgba) {
    MapaDeBits mapa(ancho, alto);
    if (mapa.TamanoEnBytes() > 0 && rgba != nullptr)
        std::memcpy(mapa.Fila(0), rgba, mapa.TamanoEnBytes());
    porId_[id] = std::move(mapa);
}

bool BancoDeImagenes::Carga(const std::uint8_t* datos, std::size_t tamano) {
    LecturaBinaria lectura(datos, tamano);
    std::uint32_t cuantas = 0;
    if (!lectura.Cabecera("VLIM", 1) || !lectura.Natural(cuantas)) return false;
    std::vector<std::pair<int, MapaDeBits>> leidas;
    for (std::uint32_t i = 0; i < cuantas; ++i) {
        std::pair<int, MapaDeBits> imagen;
        if (!LeeImagen(lectura, imagen.first, imagen.second)) return false;
        leidas.push_back(std::move(imagen));
    }
    if (!lectura.AlFinal()) return false;
    for (auto& [id, mapa] : leidas) porId_[id] = std::move(mapa);
    return true;
}

bool BancoDeImagenes::CargaArchivo(const std::string& ruta) { return CargaDeArchivo(*this, ruta); }

const MapaDeBits* BancoDeImagenes::Busca(int id) const {
    const auto hallada = porId_.find(id);
    return hallada == porId_.end() ? nullptr : &hallada->second;
}

}  // namespace velistra::web
