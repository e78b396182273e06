#pragma once
#include <cassert>
#include <cstddef>
#include <vector>

namespace velistra {

// A list whose size never passes what Prepara allowed: adding is a store and a count, with
// no check for growth. The settling loops keep their per-iteration lists so, where a
// vector's push_back (its capacity test and the end pointer written back) costs as much
// as the work it records.
template <typename T>
class ListaFija {
public:
    void Prepara(std::size_t capacidad) {
        elementos.assign(capacidad, T{});
        n = 0;
    }
    void Agrega(const T& valor) {
        assert(n < elementos.size());
        elementos[n++] = valor;
    }
    void Limpia() { n = 0; }
    bool Vacia() const { return n == 0; }
    const T* begin() const { return elementos.data(); }
    const T* end() const { return elementos.data() + n; }

private:
    std::vector<T> elementos;
    std::size_t n = 0;
};

}  // namespace velistra
