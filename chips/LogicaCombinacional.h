#pragma once
// Helpers shared by the combinational chips: pin lists written as data, the power
// test, numbers read from pins and an output writer that notices changes.
#include <array>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>

namespace velistra {

// A short list held by value, so chip descriptions can be constexpr data.
template <typename T, int Capacidad>
class ListaFija {
public:
    constexpr ListaFija() = default;
    constexpr ListaFija(std::initializer_list<T> elementos) {
        if (elementos.size() > static_cast<std::size_t>(Capacidad))
            throw std::length_error("lista demasiado larga");
        for (const T& elemento : elementos) datos[n++] = elemento;
    }

    constexpr const T* begin() const { return datos.data(); }
    constexpr const T* end() const { return datos.data() + n; }
    constexpr int size() const { return n; }
    constexpr const T& operator[](int i) const { return datos[i]; }

private:
    std::array<T, Capacidad> datos{};
    int n = 0;
};

// Pins that form a number are listed from bit 0 (weight 1) upwards.
using ListaDePines = ListaFija<int, 10>;

// A chip works only with its ground pin low and its supply pin high; a floating
// ground reads 1, so a chip whose ground is not wired is unpowered.
inline bool Alimentado(const bool* valores, int tierra, int alimentacion) {
    return !valores[tierra] && valores[alimentacion];
}

inline int Numero(const bool* valores, const ListaDePines& pines) {
    int numero = 0;
    for (int bit = 0; bit < pines.size(); ++bit)
        if (valores[pines[bit]]) numero |= 1 << bit;
    return numero;
}

inline bool TodosEnBajo(const bool* valores, const ListaDePines& pines) {
    for (int pin : pines)
        if (valores[pin]) return false;
    return true;
}

inline bool TodosEnAlto(const bool* valores, const ListaDePines& pines) {
    for (int pin : pines)
        if (!valores[pin]) return false;
    return true;
}

// Writes output pins into the value table and remembers whether any of them changed,
// which is what Funcion answers.
class Salidas {
public:
    explicit Salidas(bool* valores) : valores(valores) {}

    void Pon(int pin, bool nivel) {
        if (valores[pin] != nivel) cambio = true;
        valores[pin] = nivel;
    }
    void PonTodas(const ListaDePines& pines, bool nivel) {
        for (int pin : pines) Pon(pin, nivel);
    }
    void PonNumero(const ListaDePines& pines, int numero) {
        for (int bit = 0; bit < pines.size(); ++bit) Pon(pines[bit], (numero >> bit) & 1);
    }
    bool Cambiaron() const { return cambio; }

private:
    bool* valores;
    bool cambio = false;
};

}  // namespace velistra
