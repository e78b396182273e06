#pragma once
#include <memory>
#include <utility>
#include <vector>

#include "chips/Biestables.h"
#include "simulacion/PuertasCompiladas.h"

namespace velistra {

class CircuitoElectronico;
class Componente;
class Componentes;
class NumeracionDeRedes;
class Puerto;
class Tablero;

// The wired circuit as the compiled settling engine reads it: nets as dense numbers, each
// chip's outputs and each net's readers as index lists, every port of a net in one list
// so that a level is written without walking strips and wires, and the gates and
// flip-flops of chips laid out flat, to be computed one at a time. Taken again only when
// a wire, a chip pin, a chip or a board changed.
class CircuitoCompilado {
public:
    struct Salida {
        int chip;
        int pin;
        int red;
    };
    // A pin read on its net.
    struct Lectura {
        int pin;
        int red;
    };
    // One part of a chip that can be computed alone, a gate or a flip-flop: its chip, its
    // output pin and net (a flip-flop's Q; -1 when other outputs drive the net too, or
    // none), and its reads as [primeraLectura, finLecturas) of LecturasDePartes(), ground
    // and supply last.
    struct ParteSuelta {
        static constexpr unsigned char kBiestable = PuertasCompiladas::kForma + 2;

        int chip;
        int pin;
        int red;
        int primeraLectura;
        int finLecturas;
        // A gate: its code, PuertasCompiladas::FormaDe, and whether it inverts. A
        // flip-flop's forma is kBiestable.
        const unsigned char* codigo;
        unsigned char forma;
        bool negada;
        // No chip output drives its ground or supply net: their levels change only
        // between settlings, through the instruments.
        bool alimentacionFija;
        // A flip-flop: the level its clock reaches on an edge, its record and Q-bar's net.
        bool nivelTrasElFlanco;
        ChipDeBiestables::Registro biestable;
        int redNegada;
    };

    // Whether it still describes the workbench as it stands.
    bool Vigente(const std::vector<std::unique_ptr<Tablero>>& tableros, const Componentes& componentes,
                 const Puerto* centinela, unsigned long generacion) const;
    void Construye(const std::vector<std::unique_ptr<Tablero>>& tableros, Componentes& componentes,
                   const Puerto* centinela, unsigned long generacion);

    int NumeroDeRedes() const { return nRedes; }
    // Per net: a port of it, every port of it and the chips that read it.
    Puerto* Representante(int red) const { return puertos[Desde(primerPuerto, red)]; }
    std::pair<Puerto* const*, Puerto* const*> PuertosDe(int red) const { return Tramo(puertos, primerPuerto, red); }
    std::pair<const int*, const int*> LectoresDe(int red) const { return Tramo(lectores, primerLector, red); }
    // The same, only for the chips that never go part by part (they come first): while
    // every other chip does, nobody else needs a mark.
    std::pair<const int*, const int*> LectoresEnterosDe(int red) const {
        return {lectores.data() + Desde(primerLector, red), lectores.data() + Desde(finLectorEntero, red)};
    }
    // Per chip: its outputs on nets with one driver, and its compiled gates (null for a
    // chip of any other family).
    std::pair<const Salida*, const Salida*> SalidasDe(int chip) const { return Tramo(salidas, primeraSalida, chip); }
    const PuertasCompiladas* PuertasDe(int chip) const { return puertas[static_cast<std::size_t>(chip)]; }
    // Whether the chip goes part by part: its reads all sit in holes and each feeds a
    // part, and its supply and ground pins are on the supply's nets. Its parts, in scheme
    // order, are numbered across the circuit. Per net, the numbers of the parts that read it.
    bool VaPorPartes(int chip) const { return Desde(primeraParte, chip) != Desde(primeraParte, chip + 1); }
    const ParteSuelta& Parte(int p) const { return partes[static_cast<std::size_t>(p)]; }
    int NumeroDePartes() const { return static_cast<int>(partes.size()); }
    const Lectura* LecturasDePartes() const { return lecturasDePartes.data(); }
    std::pair<const int*, const int*> PartesQueLeen(int red) const { return Tramo(partesLectoras, primeraParteLectora, red); }
    // Chip outputs on nets with several drivers (only a file can make one), in list and
    // pin order, and those nets.
    const std::vector<Salida>& SalidasCompartidas() const { return salidasCompartidas; }
    const std::vector<int>& RedesCompartidas() const { return redesCompartidas; }
    // The nets an instrument board drives: the only ones whose levels change between
    // settlings. Each with a driving terminal of its board, whose level is the net's: the
    // terminals of a board lie side by side, where the net's other ports may lie anywhere.
    const std::vector<std::pair<int, const Puerto*>>& RedesExcitadasPorTableros() const { return redesExcitadas; }

private:
    static std::size_t Desde(const std::vector<int>& primero, int i) {
        return static_cast<std::size_t>(primero[static_cast<std::size_t>(i)]);
    }
    template <typename T>
    static std::pair<const T*, const T*> Tramo(const std::vector<T>& lista, const std::vector<int>& primero, int i) {
        return {lista.data() + Desde(primero, i), lista.data() + Desde(primero, i + 1)};
    }
    const PuertasCompiladas* Compila(const CircuitoElectronico* modelo);
    void SueltaLasPartes(const Componentes& componentes, const std::vector<std::vector<ParteSuelta>>& partesDeChips,
                         const std::vector<std::vector<std::vector<int>>>& pinesDePartes,
                         const std::vector<Salida>& salidasDeChips, NumeracionDeRedes& redes);

    unsigned long nGeneracion = 0;
    const Puerto* pCentinela = nullptr;
    std::size_t nTableros = 0;
    std::vector<const CircuitoElectronico*> modelos;

    int nRedes = 0;
    std::vector<int> primerPuerto;
    std::vector<Puerto*> puertos;
    std::vector<int> primerLector;
    std::vector<int> lectores;
    std::vector<int> finLectorEntero;
    std::vector<int> primeraSalida;
    std::vector<Salida> salidas;
    std::vector<Salida> salidasCompartidas;
    std::vector<int> redesCompartidas;
    std::vector<std::pair<int, const Puerto*>> redesExcitadas;
    std::vector<const PuertasCompiladas*> puertas;
    std::vector<int> primeraParte;
    std::vector<ParteSuelta> partes;
    std::vector<Lectura> lecturasDePartes;
    std::vector<int> primeraParteLectora;
    std::vector<int> partesLectoras;
    // Every gate model met so far, compiled once.
    std::vector<std::pair<const CircuitoElectronico*, std::unique_ptr<PuertasCompiladas>>> compiladas;
};

}  // namespace velistra
