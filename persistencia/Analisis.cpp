#include <algorithm>
#include <cstdint>
#include <limits>

#include "persistencia/Fichas.h"
#include "persistencia/RegistrosDeCircuito.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

namespace {

using namespace limites;

constexpr long long kEnteroMinimo = std::numeric_limits<int>::min();
constexpr long long kEnteroMaximo = std::numeric_limits<int>::max();
constexpr long long kCodigoMinimo = std::numeric_limits<std::int32_t>::min();
constexpr long long kCodigoMaximo = std::numeric_limits<std::int32_t>::max();
constexpr long long kColorMaximo = std::numeric_limits<Color>::max();

bool EsTipoDeTablero(int tipo) { return DescripcionDe(tipo) != nullptr; }

bool LeePunto(Fichas& f, Punto& p) {
    return f.Lee(p.x, kXMinimo, kXMaximo) && f.Lee(p.y, kYMinimo, kYMaximo);
}

bool LeeTablero(Fichas& f, RegistroDeTablero& r) {
    return f.Lee(r.tipo, kEnteroMinimo, kEnteroMaximo) && EsTipoDeTablero(r.tipo) &&
           f.Lee(r.x, kXMinimo, kXMaximo) && f.Lee(r.y, kYMinimo, kYMaximo) &&
           f.Lee(r.anchura, 0, kAnchuraMaximaDeTablero) &&
           f.Lee(r.altura, 0, kAlturaMaximaDeTablero) &&
           f.Lee(r.nodoBase, kEnteroMinimo, kEnteroMaximo) &&
           f.Lee(r.identificador, 1, kIdentificadorMaximo);
}

// The filler before each board identifier carries nothing, but must be there.
bool LeeRelleno(Fichas& f) {
    int relleno = 0;
    return f.Lee(relleno, kEnteroMinimo, kEnteroMaximo);
}

bool LeeCable(Fichas& f, RegistroDeCable& r) {
    if (!f.Lee(r.color, 0, kColorMaximo) || !f.Lee(r.anchura, 1, kAnchuraMaximaDeCable))
        return false;
    for (Punto& p : r.puntos) {
        if (!LeePunto(f, p)) return false;
    }
    return LeeRelleno(f) && f.Lee(r.tableroA, -1, kIdentificadorMaximo) && LeeRelleno(f) &&
           f.Lee(r.tableroB, -1, kIdentificadorMaximo);
}

bool LeeComponente(Fichas& f, RegistroDeComponente& r) {
    return f.Lee(r.codigo, kCodigoMinimo, kCodigoMaximo) && f.Lee(r.etiqueta, 0, 1) &&
           f.Lee(r.pines, 0, kPinesMaximos) && LeePunto(f, r.ubicacion) &&
           f.Lee(r.desplazamiento.x, -kDesplazamientoMaximo, kDesplazamientoMaximo) &&
           f.Lee(r.desplazamiento.y, -kDesplazamientoMaximo, kDesplazamientoMaximo) &&
           LeePunto(f, r.centroDeCasilla) && f.Lee(r.protoboard, 0, kIdentificadorMaximo);
}

// A count and that many records; the count is checked before anything is kept.
template <typename Registro, typename Lector>
bool LeeLista(Fichas& f, std::vector<Registro>& lista, Lector lee) {
    int cuantos = 0;
    if (!f.Lee(cuantos, 0, kMaximoDeRegistros)) return false;
    for (int i = 0; i < cuantos; ++i) {
        Registro r;
        if (!lee(f, r)) return false;
        lista.push_back(r);
    }
    return true;
}

// The workbench relies on its own boards (the supply, the timer) being the first entries
// of its board list, each at its place and nowhere else, and on each board being found by
// its identifier alone.
bool EsListaDeTablerosValida(const std::vector<RegistroDeTablero>& tableros) {
    std::size_t propios = 0;
    while (TipoDelPuestoFijo(static_cast<int>(propios)) >= 0) ++propios;
    if (tableros.size() < propios) return false;
    for (std::size_t i = 0; i < tableros.size(); ++i) {
        const DescripcionDeTablero* d = DescripcionDe(tableros[i].tipo);
        const int puesto = i < propios ? static_cast<int>(i) : -1;
        if (d == nullptr || d->puestoFijo != puesto) return false;
    }
    std::vector<int> identificadores;
    for (const RegistroDeTablero& t : tableros) identificadores.push_back(t.identificador);
    std::sort(identificadores.begin(), identificadores.end());
    return std::adjacent_find(identificadores.begin(), identificadores.end()) ==
           identificadores.end();
}

bool LeeCuerpo(Fichas& f, CircuitoLeido& c) {
    if (!LeeLista(f, c.tableros, LeeTablero) || !EsListaDeTablerosValida(c.tableros)) return false;
    int temporizador = 0;
    if (!f.Lee(temporizador, kEnteroMinimo, kEnteroMaximo)) return false;
    c.temporizadorVisible = temporizador != 0;
    // Words after the last chip mean the counts and the records disagree.
    return LeeLista(f, c.cables, LeeCable) && LeeLista(f, c.componentes, LeeComponente) &&
           f.Agotado();
}

}  // namespace

ResultadoDeLectura AnalizaCircuito(std::string_view texto, CircuitoLeido& circuito) {
    Fichas f(texto);
    // The first word of the header is not looked at.
    const auto primera = f.Siguiente();
    const auto version = f.Siguiente();
    if (!primera || !version || *version != kVersionDeArchivo)
        return ResultadoDeLectura::VersionIncorrecta;
    CircuitoLeido leido;
    if (!LeeCuerpo(f, leido)) return ResultadoDeLectura::Malformado;
    circuito = std::move(leido);
    return ResultadoDeLectura::Correcto;
}

}  // namespace velistra
