#include "cli/TextoJson.h"

#include <cstdio>

namespace velistra::consola {

namespace {

// The length of the well-formed UTF-8 sequence at `i`, or 0 (overlong forms, surrogates
// and code points past U+10FFFF are not well formed).
std::size_t Secuencia(std::string_view t, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) return 1;
    const std::size_t n = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > t.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
    }
    const unsigned char d = b(i + 1);
    if ((c == 0xE0 && d < 0xA0) || (c == 0xED && d > 0x9F) || (c == 0xF0 && d < 0x90) ||
        (c == 0xF4 && d > 0x8F))
        return 0;
    return n;
}

}  // namespace

std::string ComoUtf8(std::string_view texto) {
    std::string utf8;
    utf8.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        if (const std::size_t n = Secuencia(texto, i); n > 0) {
            utf8.append(texto.substr(i, n));
            i += n;
            continue;
        }
        const auto c = static_cast<unsigned char>(texto[i++]);
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
    return utf8;
}

std::string TextoJson(const std::string& texto) {
    std::string json = "\"";
    for (const char c : ComoUtf8(texto)) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (u < 0x20 || u == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", u);
            json += escape;
        } else {
            json += c;
        }
    }
    return json + '"';
}

}  // namespace velistra::consola
