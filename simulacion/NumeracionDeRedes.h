#pragma once
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace velistra {

class Puerto;
class Tablero;

// Numbers the nets of the workbench as they are first asked for, walking each net once
// over its strips and wires. The sentinel behind seated pins is no conductor: it would
// join every net that holds a chip.
class NumeracionDeRedes {
public:
    explicit NumeracionDeRedes(const Puerto* centinela) : pCentinela(centinela) {}

    // The number of p's net, walking it when it is new.
    int RedDe(Puerto* p);
    // The number of p's net, or -1 when no net asked for so far holds it.
    int Buscada(Puerto* p) const;
    int NumeroDeRedes() const { return nRedes; }
    // Every port walked, with its net.
    const std::unordered_map<Puerto*, int>& Puertos() const { return mapa; }

    // Per net, the instrument-board terminals of a driving type on it: with a chip output
    // beside them a net has several drivers.
    std::vector<int> ConductoresDeTableros(const std::vector<std::unique_ptr<Tablero>>& tableros) const;
    // The nets an instrument board drives, each with a driving terminal of it: the only
    // ones whose levels change between settlings (a board writes its driving terminals
    // only, and a lamp's net moves only with what drives it).
    std::vector<std::pair<int, const Puerto*>> RedesExcitadasPorTableros(
        const std::vector<std::unique_ptr<Tablero>>& tableros) const;

private:
    // Calls f(net, port) for every instrument-board terminal on a numbered net.
    template <typename F>
    void RecorreTerminales(const std::vector<std::unique_ptr<Tablero>>& tableros, const F& f) const;

    const Puerto* pCentinela;
    std::unordered_map<Puerto*, int> mapa;
    std::vector<Puerto*> pila;
    int nRedes = 0;
};

}  // namespace velistra
