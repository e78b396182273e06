#include "web/lienzo/LecturaBinaria.h"

#include <fstream>
#include <iterator>

namespace velistra::web {

bool LecturaBinaria::Etiqueta(std::string_view esperada) {
    const std::uint8_t* inicio = nullptr;
    if (!Bloque(esperada.size(), inicio)) return false;
    for (std::size_t i = 0; i < esperada.size(); ++i) {
        if (inicio[i] != static_cast<std::uint8_t>(esperada[i])) return false;
    }
    return true;
}

bool LecturaBinaria::Cabecera(std::string_view etiqueta, std::uint32_t version) {
    std::uint32_t leida = 0;
    return Etiqueta(etiqueta) && Natural(leida) && leida == version;
}

bool LecturaBinaria::Natural(std::uint32_t& valor) {
    const std::uint8_t* b = nullptr;
    if (!Bloque(4, b)) return false;
    valor = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
            (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return true;
}

bool LecturaBinaria::Entero(int& valor) {
    std::uint32_t bruto = 0;
    if (!Natural(bruto)) return false;
    valor = static_cast<std::int32_t>(bruto);
    return true;
}

bool LecturaBinaria::Medida(int& valor, int maximo) {
    return Entero(valor) && valor >= 0 && valor <= maximo;
}

bool LecturaBinaria::Bloque(std::size_t n, const std::uint8_t*& inicio) {
    if (n > tamano_ - posicion_) return false;
    inicio = datos_ + posicion_;
    posicion_ += n;
    return true;
}

std::string LeeArchivo(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo) return {};
    return std::string(std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>());
}

}  // namespace velistra::web
