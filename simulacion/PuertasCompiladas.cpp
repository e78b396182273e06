#include "simulacion/PuertasCompiladas.h"

#include <algorithm>

#include "chips/EsquemaDePuertas.h"
#include "chips/Puertas.h"

namespace velistra {

namespace {

// A gate's kind: bit 0 inverts it; the rest says how its pins combine.
constexpr unsigned char kNegada = 1;
constexpr unsigned char kY = 0 << 1;           // one AND term: n pins
constexpr unsigned char kO = 1 << 1;           // an OR of n single pins
constexpr unsigned char kOExclusiva = 2 << 1;  // an XOR of n single pins
constexpr unsigned char kGeneral = 3 << 1;     // n terms, each its pin count and pins
constexpr unsigned char kForma = 3 << 1;
// A general gate's terms combine by exclusive OR.
constexpr unsigned char kTerminosExclusivos = 1 << 3;

unsigned char Byte(int n) { return static_cast<unsigned char>(n); }

int Pines(const Grupo& grupo) {
    int n = 0;
    while (n < kPinesPorGrupo && grupo[static_cast<std::size_t>(n)] != 0) ++n;
    return n;
}

}  // namespace

PuertasCompiladas::PuertasCompiladas(const EsquemaDePuertas& esquema)
    : tierra(esquema.tierra), alimentacion(esquema.alimentacion) {
    for (const Puerta& puerta : esquema.puertas) {
        Entrada entrada{codigo.size(), {}};
        for (const Grupo& grupo : puerta.grupos) {
            for (int i = 0; i < Pines(grupo); ++i) {
                const int pin = grupo[static_cast<std::size_t>(i)];
                if (std::find(entrada.pines.begin(), entrada.pines.end(), pin) == entrada.pines.end())
                    entrada.pines.push_back(pin);
            }
        }
        entrada.pines.push_back(tierra);
        entrada.pines.push_back(alimentacion);
        puertas.push_back(std::move(entrada));
        int terminos = 0;
        bool sencillos = true;
        while (terminos < kGruposPorPuerta && puerta.grupos[static_cast<std::size_t>(terminos)][0] != 0) {
            sencillos = sencillos && Pines(puerta.grupos[static_cast<std::size_t>(terminos)]) == 1;
            ++terminos;
        }
        const bool exclusiva = puerta.combinacion == Combinacion::OExclusiva;
        const unsigned char forma = terminos == 1 ? kY : !sencillos ? kGeneral : exclusiva ? kOExclusiva : kO;
        codigo.push_back(Byte(puerta.salida));
        codigo.push_back(Byte(forma | (puerta.negada ? kNegada : 0) |
                              (forma == kGeneral && exclusiva ? kTerminosExclusivos : 0)));
        if (forma == kY) {
            const Grupo& grupo = puerta.grupos[0];
            codigo.push_back(Byte(Pines(grupo)));
            for (int i = 0; i < Pines(grupo); ++i) codigo.push_back(Byte(grupo[static_cast<std::size_t>(i)]));
            continue;
        }
        codigo.push_back(Byte(terminos));
        for (int t = 0; t < terminos; ++t) {
            const Grupo& grupo = puerta.grupos[static_cast<std::size_t>(t)];
            if (forma == kGeneral) codigo.push_back(Byte(Pines(grupo)));
            for (int i = 0; i < Pines(grupo); ++i) codigo.push_back(Byte(grupo[static_cast<std::size_t>(i)]));
        }
    }
}

bool PuertasCompiladas::Calcula(bool* valores) const {
    const bool alimentado = Alimentado(valores);
    bool cambio = false;
    const unsigned char* p = codigo.data();
    const unsigned char* const fin = p + codigo.size();
    while (p < fin) cambio = Evalua(p, valores, alimentado) || cambio;
    return cambio;
}

bool PuertasCompiladas::Evalua(const unsigned char*& p, bool* valores, bool alimentado) {
    const unsigned char salida = p[0];
    const unsigned char clase = p[1];
    const int n = p[2];
    p += 3;
    bool resultado = false;
    switch (clase & kForma) {
        case kY:
            resultado = true;
            for (int i = 0; i < n; ++i) resultado = resultado && valores[p[i]];
            p += n;
            break;
        case kO:
            for (int i = 0; i < n; ++i) resultado = resultado || valores[p[i]];
            p += n;
            break;
        case kOExclusiva:
            for (int i = 0; i < n; ++i) resultado = resultado != valores[p[i]];
            p += n;
            break;
        default:
            for (int t = 0; t < n; ++t) {
                const int m = *p++;
                bool termino = true;
                for (int i = 0; i < m; ++i) termino = termino && valores[p[i]];
                p += m;
                resultado = (clase & kTerminosExclusivos) != 0 ? resultado != termino : resultado || termino;
            }
            break;
    }
    const bool nuevo = alimentado && (resultado != ((clase & kNegada) != 0));
    const bool cambio = valores[salida] != nuevo;
    valores[salida] = nuevo;
    return cambio;
}

}  // namespace velistra
