#include "cli/OrdenesRecordadas.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace velistra::consola {

namespace {

// Eight bytes as one number.
std::uint64_t Ocho(const char* p) {
    std::uint64_t n;
    std::memcpy(&n, p, sizeof n);
    return n;
}

// The last eight bytes of a line, or all of a shorter one.
std::uint64_t Final(std::string_view linea) {
    if (linea.size() >= 8) return Ocho(linea.data() + linea.size() - 8);
    std::uint64_t n = 0;
    for (const char c : linea) n = n << 8 | static_cast<unsigned char>(c);
    return n;
}

// Whether two runs of n bytes are the same, eight at a time, without reading past either:
// a library call costs more than comparing a line this short.
bool MismosBytes(const char* a, const char* b, std::size_t n) {
    if (n < 8) return std::equal(a, a + n, b);
    for (std::size_t i = 0; i + 8 < n; i += 8) {
        if (Ocho(a + i) != Ocho(b + i)) return false;
    }
    return Ocho(a + n - 8) == Ocho(b + n - 8);
}

}  // namespace

std::size_t OrdenesRecordadas::Casilla(std::string_view linea) {
    // Its length and its last bytes, where lines that differ in a number differ.
    const std::uint64_t mezcla = (Final(linea) ^ linea.size()) * std::uint64_t{0x9E3779B97F4A7C15};
    return static_cast<std::size_t>(mezcla >> 60) % kEntradas;
}

const OrdenesRecordadas::Recordada* OrdenesRecordadas::Busca(std::string_view linea) const {
    if (linea.empty() || linea.size() > kLargoMaximo) return nullptr;
    const Entrada& e = entradas[Casilla(linea)];
    if (e.largo != linea.size() || !MismosBytes(e.texto.data(), linea.data(), linea.size()))
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
