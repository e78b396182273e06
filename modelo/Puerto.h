#pragma once
#include <cstdint>

namespace velistra {

// One contact point: a breadboard hole, a board terminal, or the sentinel that marks a
// hole holding a chip pin. Ports of one conductor lie in consecutive slots of their
// owner's array and form a strip; a port may carry one wire to another port.
// Setting node, type or state spreads the value over the strip and, through wires,
// over the whole net (which is always a tree of strips and wires).
class Puerto {
public:
    Puerto() = default;
    Puerto(const Puerto&) = delete;
    Puerto& operator=(const Puerto&) = delete;

    void Conecta(Puerto* otro) { pOtroPuerto = otro; }
    void Desconecta() { pOtroPuerto = nullptr; }
    bool EstaLibre() const { return pOtroPuerto == nullptr; }
    Puerto* OtroPuerto() const { return pOtroPuerto; }

    int Nodo() const { return nNodo; }
    char Tipo() const { return cTipo; }
    char Estado() const { return cEstado; }
    char TipoOriginal() const { return cTipoOriginal; }
    int Indice() const { return nIndice; }
    void Indice(int i) { nIndice = i; }
    // The owner-given type; sets the current type too, without spreading.
    void TipoOriginal(char t) { cTipoOriginal = t; cTipo = t; }

    void NumeroDeSiguientes(int n) { nSiguientes = n; }
    void NumeroDeAnteriores(int n) { nAnteriores = n; }
    int NumeroDeSiguientes() const { return nSiguientes; }
    int NumeroDeAnteriores() const { return nAnteriores; }

    // Set this port and its strip, and every net beyond the wires of its strip-mates.
    // The port's own wire is not followed.
    void Nodo(int n);
    void Tipo(char t);
    void Estado(char e);

    // Set this port only and, if it has a wire, the net beyond that wire.
    void NodoDelSiguiente(int n);
    void TipoDelSiguiente(char t);
    void EstadoDelSiguiente(char e);
    // Set this port only: for an engine that writes every port of a net itself.
    void EstadoDelPuerto(char e) { cEstado = e; }

private:
    template <typename Campo, typename Valor>
    void DifundePorTira(Campo campo, Valor valor);
    template <typename Campo, typename Valor>
    void DifundePorCable(Campo campo, Valor valor);

    int nNodo = 0;
    int nSiguientes = 0;
    int nAnteriores = 0;
    int nIndice = 0;
    Puerto* pOtroPuerto = nullptr;
    char cEstado = 'Z';
    char cTipoOriginal = 'F';
    char cTipo = 'F';

};

// Driving types: two nets that both carry one are never joined.
constexpr bool EsTipoQueExcita(char t) { return t == 'S' || t == 'V' || t == 'G'; }

}  // namespace velistra
