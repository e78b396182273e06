#include "cli/Citas.h"

namespace velistra::consola {

namespace {

constexpr std::size_t kLargoDeCita = 40;

bool EsContinuacionUtf8(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string Cita(std::string_view palabra) {
    if (palabra.size() <= kLargoDeCita) return "«" + std::string(palabra) + "»";
    std::size_t corte = kLargoDeCita;
    while (corte > 0 && EsContinuacionUtf8(palabra[corte])) --corte;
    return "«" + std::string(palabra.substr(0, corte)) + "…»";
}

}  // namespace velistra::consola
