#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "simulacion/CircuitoCompilado.h"

namespace velistra {

class Componentes;
class Puerto;
class Tablero;

// The settling loop on the compiled circuit: one level per net, kept in a dense table while
// the circuit settles. An iteration evaluates the chips whose pins changed in the previous
// one (or that asked for it themselves), all of them before any drives; a net that changes
// level writes only the holes chip pins read on it, and every other port of it once, when
// the settling ends or someone is told of an iteration. Gate chips are computed from their
// compiled schemes. It answers exactly what the plain loop (every chip, every iteration,
// every port) answers.
class AsentadorCompilado {
public:
    // The next settling starts with one iteration of the plain loop; it does so by itself
    // whenever the compiled circuit is taken again.
    void EmpiezaCompleto() { bTodo = true; }

    // Settles as the plain loop would, up to `limite` iterations; answers how many ran.
    // `tras`, when given, is told the number of each iteration from `desde` on, once it has
    // run and every port holds its level.
    int Asienta(const std::vector<std::unique_ptr<Tablero>>& tableros, Componentes& componentes,
                const Puerto* centinela, unsigned long generacion, int limite, const std::function<void(int)>& tras = {},
                int desde = 1);

private:
    void Prepara(std::size_t chips);
    void LeeNivel(int red);
    void NuevaIteracion();
    void Marca(int chip);
    void Excita(int red, char nivel);
    bool PasoCompleto(Componentes& componentes);
    bool Paso(Componentes& componentes);
    void ExcitaCompartidas(const Componentes& componentes);
    // Writes every port of the nets that changed since the last time.
    void Vuelca();

    CircuitoCompilado circuito;
    bool bTodo = true;
    std::vector<char> nivel;
    // Per net with several drivers, the level its last driver in list order gives it.
    std::vector<char> dado;
    std::vector<char> sucia;
    std::vector<int> sucias;

    // The chips to evaluate in this iteration and the ones marked for the next.
    std::vector<int> actuales;
    std::vector<int> siguientes;
    std::vector<unsigned> marca;
    unsigned nMarca = 0;
};

}  // namespace velistra
