#include "simulacion/PuertasCompiladas.h"

#include <algorithm>

#include "chips/EsquemaDePuertas.h"
#include "chips/Puertas.h"

namespace velistra {

namespace {

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

}  // namespace velistra
