#include "simulacion/PuertasCompiladas.h"

#include "chips/Puertas.h"

namespace velistra {

namespace {
constexpr unsigned char kNegada = 1;
constexpr unsigned char kExclusiva = 2;

unsigned char Byte(int n) { return static_cast<unsigned char>(n); }
}  // namespace

PuertasCompiladas::PuertasCompiladas(const EsquemaDePuertas& esquema)
    : tierra(esquema.tierra), alimentacion(esquema.alimentacion) {
    for (const EsquemaDePuertas::Puerta& puerta : esquema.puertas) {
        codigo.push_back(Byte(puerta.salida));
        codigo.push_back(Byte((puerta.negada ? kNegada : 0) |
                              (puerta.combinacion == EsquemaDePuertas::Combinacion::OExclusiva ? kExclusiva : 0)));
        const std::size_t terminos = codigo.size();
        codigo.push_back(0);
        for (const EsquemaDePuertas::Grupo& grupo : puerta.grupos) {
            if (grupo[0] == 0) break;
            ++codigo[terminos];
            const std::size_t pines = codigo.size();
            codigo.push_back(0);
            for (const int pin : grupo) {
                if (pin == 0) break;
                ++codigo[pines];
                codigo.push_back(Byte(pin));
            }
        }
    }
}

bool PuertasCompiladas::Calcula(bool* valores) const {
    // Ground floating (reads 1) or supply low: every output drops to 0.
    const bool alimentado = !valores[tierra] && valores[alimentacion];
    bool cambio = false;
    const unsigned char* p = codigo.data();
    const unsigned char* const fin = p + codigo.size();
    while (p < fin) {
        const unsigned char salida = p[0];
        const unsigned char clase = p[1];
        int terminos = p[2];
        p += 3;
        bool resultado = false;
        for (; terminos > 0; --terminos) {
            const int n = *p++;
            bool termino = true;
            for (int i = 0; i < n; ++i) termino = termino && valores[p[i]];
            p += n;
            resultado = (clase & kExclusiva) != 0 ? resultado != termino : resultado || termino;
        }
        const bool nuevo = alimentado && (resultado != ((clase & kNegada) != 0));
        if (valores[salida] != nuevo) cambio = true;
        valores[salida] = nuevo;
    }
    return cambio;
}

}  // namespace velistra
