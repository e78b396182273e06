#include "tableros/Fabrica.h"

#include "plataforma/Traducible.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

std::unique_ptr<Tablero> CreaTablero(int tipo) {
    const DescripcionDeTablero* d = DescripcionDe(tipo);
    if (d == nullptr || d->nuevo == nullptr) return nullptr;
    std::unique_ptr<Tablero> tablero = d->nuevo();
    ColocaImagenes(*tablero);
    return tablero;
}

void ColocaImagenes(Tablero& tablero) {
    const DescripcionDeTablero* m = DescripcionDe(tablero.Tipo());
    if (m == nullptr) return;
    if (m->fondo.EsValida()) tablero.ImagenDeFondo(m->fondo, m->fondo.ancho, m->fondo.alto);
    if (m->entrada.EsValida())
        tablero.ImagenDeEntrada(m->entrada, m->entrada.ancho, m->entrada.alto);
    if (m->salida.EsValida()) tablero.ImagenDeSalida(m->salida, m->salida.ancho, m->salida.alto);
}

int NodosDeTablero(int tipo) {
    const DescripcionDeTablero* m = DescripcionDe(tipo);
    return m ? m->nodos : 0;
}

const char* NombreDeTablero(int tipo) {
    const DescripcionDeTablero* m = DescripcionDe(tipo);
    return m ? m->nombre : VELISTRA_TEXTO("tablero");
}

const DescripcionDeTablero& DescripcionDe(const Tablero& tablero) {
    static constexpr DescripcionDeTablero kNinguna{};
    const DescripcionDeTablero* d = DescripcionDe(tablero.Tipo());
    return d != nullptr ? *d : kNinguna;
}

const DescripcionDeTablero* DescripcionPorComando(int comando) {
    for (const DescripcionDeTablero& d : kDescripcionesDeTableros) {
        if (comando != 0 && d.comando == comando) return &d;
    }
    return nullptr;
}

int TipoDelPuestoFijo(int puesto) {
    for (const DescripcionDeTablero& d : kDescripcionesDeTableros) {
        if (d.puestoFijo >= 0 && d.puestoFijo == puesto) return d.tipo;
    }
    return -1;
}

}  // namespace velistra
