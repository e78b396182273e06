#include "web/lienzo/FuenteDeMapa.h"

#include <utility>

#include "web/lienzo/LecturaBinaria.h"

namespace velistra::web {

namespace {
constexpr int kMedidaMaxima = 256;

bool LeeGlifo(LecturaBinaria& lectura, char32_t& caracter, Glifo& glifo) {
    std::uint32_t codigo = 0;
    if (!lectura.Natural(codigo) || !lectura.Medida(glifo.avance, kMedidaMaxima) ||
        !lectura.Entero(glifo.x) || !lectura.Entero(glifo.y) ||
        !lectura.Medida(glifo.ancho, kMedidaMaxima) || !lectura.Medida(glifo.alto, kMedidaMaxima))
        return false;
    if (glifo.x < -kMedidaMaxima || glifo.x > kMedidaMaxima || glifo.y < -kMedidaMaxima ||
        glifo.y > kMedidaMaxima)
        return false;
    const std::uint8_t* tinta = nullptr;
    const std::size_t n = static_cast<std::size_t>(glifo.ancho) * static_cast<std::size_t>(glifo.alto);
    if (!lectura.Bloque(n, tinta)) return false;
    glifo.tinta.assign(tinta, tinta + n);
    caracter = static_cast<char32_t>(codigo);
    return true;
}
}  // namespace

bool FuenteDeMapa::Carga(const std::uint8_t* datos, std::size_t tamano) {
    LecturaBinaria lectura(datos, tamano);
    std::uint32_t cuantos = 0;
    int alto = 0;
    if (!lectura.Cabecera("VLFT", 1) || !lectura.Medida(alto, kMedidaMaxima) ||
        !lectura.Natural(cuantos))
        return false;
    std::unordered_map<char32_t, Glifo> glifos;
    for (std::uint32_t i = 0; i < cuantos; ++i) {
        char32_t caracter = 0;
        Glifo glifo;
        if (!LeeGlifo(lectura, caracter, glifo)) return false;
        glifos[caracter] = std::move(glifo);
    }
    if (!lectura.AlFinal()) return false;
    alto_ = alto;
    glifos_ = std::move(glifos);
    return true;
}

bool FuenteDeMapa::CargaArchivo(const std::string& ruta) { return CargaDeArchivo(*this, ruta); }

const Glifo* FuenteDeMapa::Busca(char32_t caracter) const {
    auto hallado = glifos_.find(caracter);
    if (hallado == glifos_.end()) hallado = glifos_.find(U'?');
    return hallado == glifos_.end() ? nullptr : &hallado->second;
}

int FuenteDeMapa::Anchura(const std::string& texto) const {
    int ancho = 0;
    for (const char32_t c : CaracteresDe(texto)) {
        if (const Glifo* glifo = Busca(c)) ancho += glifo->avance;
    }
    return ancho;
}

std::vector<char32_t> CaracteresDe(const std::string& texto) {
    std::vector<char32_t> caracteres;
    std::size_t i = 0;
    while (i < texto.size()) {
        const auto byte = static_cast<unsigned char>(texto[i]);
        const std::size_t siguientes = byte < 0x80 ? 0 : (byte >> 5) == 0x6 ? 1 : (byte >> 4) == 0xE ? 2 : (byte >> 3) == 0x1E ? 3 : 4;
        bool bien = siguientes < 4 && i + siguientes < texto.size();
        char32_t c = siguientes == 0 ? byte : byte & (0x3F >> siguientes);
        for (std::size_t k = 1; bien && k <= siguientes; ++k) {
            const auto cola = static_cast<unsigned char>(texto[i + k]);
            bien = (cola & 0xC0) == 0x80;
            c = (c << 6) | (cola & 0x3F);
        }
        // A malformed byte stands for itself as U+FFFD; the text goes on after it.
        caracteres.push_back(bien ? c : U'\uFFFD');
        i += bien ? siguientes + 1 : 1;
    }
    return caracteres;
}

}  // namespace velistra::web
