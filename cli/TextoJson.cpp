#include "cli/TextoJson.h"

#include <cstdio>

namespace velistra::consola {

std::string TextoJson(const std::string& texto) {
    std::string json = "\"";
    for (const char c : texto) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (u < 0x20) {
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
