#include "ui/imagenes/Imagenes.h"

#include "ui/imagenes/Pinturas.h"

namespace velistra {

Imagenes::Imagenes() {
    for (const pinturas::Pintura& pintura : pinturas::Todas())
        porId_.emplace(pintura.id, pintura.pinta());
}

const QImage* Imagenes::Busca(int id) const {
    const auto encontrada = porId_.find(id);
    return encontrada == porId_.end() ? nullptr : &encontrada->second;
}

}  // namespace velistra
