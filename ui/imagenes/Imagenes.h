#pragma once
// Every picture of the resource table, drawn once and kept by id.
#include <QImage>
#include <unordered_map>

namespace velistra {

class Imagenes {
public:
    // Draws all pictures (a fraction of a second; do it once).
    Imagenes();

    // The picture of that resource id, or null for ids without one (2101 to 2110...).
    const QImage* Busca(int id) const;

private:
    std::unordered_map<int, QImage> porId_;
};

}  // namespace velistra
