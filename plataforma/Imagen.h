#pragma once
// Platform interfaces: what the core needs from a drawing system, without naming one.
// Nothing in this folder may include a window-system header.

namespace velistra {

// A shared bitmap, named by its resource id. The core only needs its size; the GUI
// owns the pixels and finds them by id. An id of 0 means "no image".
struct Imagen {
    int id = 0;
    int ancho = 0;
    int alto = 0;

    constexpr bool EsValida() const { return id != 0; }
    friend constexpr bool operator==(const Imagen&, const Imagen&) = default;
};

}  // namespace velistra
