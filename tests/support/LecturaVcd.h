#pragma once
// A plain reader of the value changes in a VCD file, enough for what waveform tools write
// back: one-bit variables, their names, and every change with its time.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace velistra::prueba {

using CambiosVcd = std::vector<std::pair<std::int64_t, char>>;

struct Vcd {
    std::string escala;  // "1us", as the $timescale says it, blanks removed
    // Changes per variable name, in time order; the dump's initial values at its time.
    std::map<std::string, CambiosVcd> cambios;
};

Vcd LeeVcd(const std::string& texto);

// The value of `cambios` at `tiempo` (the last change at or before it), 'x' before any.
char ValorEn(const CambiosVcd& cambios, std::int64_t tiempo);

}  // namespace velistra::prueba
