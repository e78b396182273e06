#pragma once
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "simulacion/CircuitoCompilado.h"
#include "simulacion/ColaDeMarcados.h"
#include "simulacion/ListaFija.h"

namespace velistra {

class Componente;
class Componentes;
class Puerto;
class Tablero;

// The settling loop on the compiled circuit: one level per net, kept in a dense table. An
// iteration evaluates the chips whose pins changed in the previous one (or that asked for
// it themselves), all of them before any drives; a net that changes level writes its
// ports at once, from a list, without walking strips and wires. A gate or flip-flop chip
// without faults is computed one gate or flip-flop at a time, only those whose pins
// changed, on the net levels; any other chip as a whole. It answers exactly what the
// plain loop (every chip, every iteration, every port) answers.
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
    void MarcaLectores(int red);
    void Excita(int red, char nivel);
    void MiraLoQueCambioFuera(Componentes& componentes);
    bool PasoCompleto(Componentes& componentes);
    bool Paso(Componentes& componentes);
    // Computes a part whose pins changed, lists the outputs it moved and answers whether
    // there were any.
    bool CalculaParte(const CircuitoCompilado::ParteSuelta& parte, Componente& chip);
    bool CalculaBiestable(const CircuitoCompilado::ParteSuelta& parte, bool* valores, bool alimentado, Componente& chip);
    // Takes the chip part by part unless it has faults (when it can go so at all).
    void PonPorPartes(int c, const Componente& chip);
    bool VaPorPartes(int c) const {
        return porPartes[static_cast<std::size_t>(c)] != 0 && pideEntero[static_cast<std::size_t>(c)] == 0;
    }
    // Marks the chip for a whole evaluation in the next iteration.
    void PideEntero(int c);
    void OlvidaEnteros();
    void Avanza() {
        cola.Avanza();
        colaDePartes.Avanza();
    }
    void ExcitaSalidas(int c, const Componente& chip);
    void ExcitaCompartidas(const Componentes& componentes);

    CircuitoCompilado circuito;
    bool bTodo = true;
    std::vector<char> nivel;
    // Per net with several drivers, the level its last driver in list order gives it.
    std::vector<char> dado;

    // Chips and parts whose pins changed, advanced together.
    ColaDeMarcados cola;
    ColaDeMarcados colaDePartes;
    // Per chip: whether it goes part by part now (no fault planted), and whether the next
    // iteration evaluates it whole all the same (those chips listed).
    std::vector<char> porPartes;
    std::vector<char> pideEntero;
    ListaFija<int> enteros;
    // Chips that could go part by part but have faults planted: while there are none, a
    // changed net marks only the chips that never go by parts.
    int nConFallos = 0;
    // An instrument changed a level since the last iteration: parts read their ground and
    // supply again.
    bool bReleeAlimentacion = true;
    // Chips that moved an output in this iteration, whole or by a part.
    ListaFija<int> conCambio;
    // The nets and levels of parts' outputs that moved in this iteration.
    ListaFija<std::pair<int, char>> movidas;
};

}  // namespace velistra
