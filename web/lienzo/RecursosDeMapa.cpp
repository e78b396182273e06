#include "web/lienzo/RecursosDeMapa.h"

#include "web/lienzo/RellenoDeMapa.h"

namespace velistra::web {

bool RecursosDeMapa::CargaCarpeta(const std::string& carpeta) {
    const std::string raiz = carpeta.empty() || carpeta.back() == '/' ? carpeta : carpeta + '/';
    zonas_.clear();
    const bool imagenesLeidas = imagenes.CargaArchivo(raiz + kArchivoDeImagenes);
    const bool fuenteLeida = fuente.CargaArchivo(raiz + kArchivoDeFuente);
    const bool elipsesLeidas = elipses.CargaArchivo(raiz + kArchivoDeElipses);
    return imagenesLeidas && fuenteLeida && elipsesLeidas;
}

const std::vector<TramoDeFila>& RecursosDeMapa::ZonaRellenada(int id, int x, int y, Color borde) const {
    const auto clave = std::make_tuple(id, x, y, borde & 0x00FFFFFFu);
    if (const auto hallada = zonas_.find(clave); hallada != zonas_.end()) return hallada->second;
    std::vector<TramoDeFila> tramos;
    if (const MapaDeBits* imagen = imagenes.Busca(id)) {
        RecorreRelleno(*imagen, x, y, borde, [&](int fila, int izquierda, int derecha) {
            tramos.push_back({fila, izquierda, derecha});
        });
    }
    return zonas_.emplace(clave, std::move(tramos)).first->second;
}

}  // namespace velistra::web
