#include "cli/OrdenesRecordadas.h"

#include <cstdint>
#include <cstring>

namespace velistra::consola {

std::size_t OrdenesRecordadas::Casilla(std::string_view linea) {
    // Its length and its last bytes, where lines that differ in a number differ.
    std::uint64_t final = 0;
    const std::size_t tomados = linea.size() < sizeof final ? linea.size() : sizeof final;
    std::memcpy(&final, linea.data() + linea.size() - tomados, tomados);
    const std::uint64_t mezcla = (final ^ linea.size()) * std::uint64_t{0x9E3779B97F4A7C15};
    return static_cast<std::size_t>(mezcla >> 60) % kEntradas;
}

const OrdenesRecordadas::Recordada* OrdenesRecordadas::Busca(std::string_view linea) const {
    if (linea.empty() || linea.size() > kLargoMaximo) return nullptr;
    const Entrada& e = entradas[Casilla(linea)];
    if (e.largo != linea.size() || std::memcmp(e.texto.data(), linea.data(), linea.size()) != 0)
        return nullptr;
    return &e.recordada;
}

void OrdenesRecordadas::RecuerdaOrden(std::string_view linea, const Orden& orden) {
    if (orden.tipo == TipoDeOrden::Registrar) return;
    Recuerda(linea, Recordada{false, orden.tipo, orden.tablero, orden.indice, orden.valor});
}

void OrdenesRecordadas::Recuerda(std::string_view linea, const Recordada& recordada) {
    if (linea.empty() || linea.size() > kLargoMaximo) return;
    Entrada& e = entradas[Casilla(linea)];
    e.largo = linea.size();
    std::memcpy(e.texto.data(), linea.data(), linea.size());
    e.recordada = recordada;
}

}  // namespace velistra::consola
