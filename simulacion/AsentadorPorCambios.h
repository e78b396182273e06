#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "simulacion/CircuitoCompilado.h"
#include "simulacion/ColaDeMarcados.h"

namespace velistra {

class Componentes;
class Puerto;
class Tablero;

// The settling loop that does only what can matter: an iteration evaluates the chips whose
// pins changed in the previous one (or that asked for it themselves), all of them before
// any drives, and an output is spread over its net only when its level differs from what
// the net holds. It answers exactly what the plain loop (every chip, every iteration)
// answers, because a chip evaluated again on unchanged pins changes nothing.
// A net with more than one driver (only a file can make one) is driven by all its chip
// outputs in every iteration, in list order, as the plain loop does.
class AsentadorPorCambios {
public:
    // The next settling starts with one iteration of the plain loop, every output driven
    // over its whole net; it does so by itself whenever `generacion` (the workbench's
    // count of connection changes) differs from the last settling's.
    void EmpiezaCompleto() { bTodo = true; }

    // Settles as the plain loop would, up to `limite` iterations; answers how many ran.
    // `tras`, when given, is told the number of each iteration once it has run.
    int Asienta(std::vector<std::unique_ptr<Tablero>>& tableros, Componentes& componentes,
                const Puerto* centinela, unsigned long generacion, int limite,
                const std::function<void(int)>& tras = {});

private:
    void Construye(std::vector<std::unique_ptr<Tablero>>& tableros, Componentes& componentes,
                   const Puerto* centinela, unsigned long generacion);
    void MarcaLectores(int red);
    bool PasoCompleto(Componentes& componentes);
    bool Paso(Componentes& componentes);
    bool Calcula(Componentes& componentes, const ListaFija<int>& chips);
    void TransmiteCompartidas(Componentes& componentes);

    bool bTodo = true;
    // Outputs per chip, readers per net and the nets with several drivers; this loop
    // drives through the ports and uses none of the rest.
    CircuitoCompilado circuito;
    // Per output on a net with several drivers, the level its net held before the
    // iteration drove it.
    std::vector<char> antes;

    ColaDeMarcados cola;
};

}  // namespace velistra
