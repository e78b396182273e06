#include "support/LecturaVcd.h"

#include <cctype>
#include <sstream>

namespace velistra::prueba {

Vcd LeeVcd(const std::string& texto) {
    Vcd vcd;
    std::map<std::string, std::string> nombres;
    std::istringstream entrada(texto);
    std::int64_t tiempo = 0;
    for (std::string palabra; entrada >> palabra;) {
        if (palabra == "$var") {
            std::string tipo, ancho, codigo, nombre;
            entrada >> tipo >> ancho >> codigo >> nombre;
            nombres[codigo] = nombre;
            vcd.cambios[nombre];
        } else if (palabra == "$timescale") {
            for (std::string p; entrada >> p && p != "$end";) vcd.escala += p;
        } else if (palabra == "$version" || palabra == "$date" || palabra == "$comment") {
            for (std::string p; entrada >> p && p != "$end";) {
            }
        } else if (palabra[0] == '#') {
            tiempo = std::stoll(palabra.substr(1));
        } else if (std::string("01xzXZ").find(palabra[0]) != std::string::npos && palabra.size() > 1) {
            const auto it = nombres.find(palabra.substr(1));
            if (it != nombres.end())
                vcd.cambios[it->second].emplace_back(tiempo, static_cast<char>(std::tolower(palabra[0])));
        }
    }
    return vcd;
}

char ValorEn(const CambiosVcd& cambios, std::int64_t tiempo) {
    char valor = 'x';
    for (const auto& [t, v] : cambios) {
        if (t > tiempo) break;
        valor = v;
    }
    return valor;
}

}  // namespace velistra::prueba
