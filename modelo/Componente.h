#pragma once
#include <array>

#include "modelo/Punto.h"
#include "plataforma/Imagen.h"

namespace velistra {

class CircuitoElectronico;
class Lienzo;
class Puerto;

// One chip lying on the workbench. The chip model is shared by every chip of its type
// and holds no per-chip state: pins, state bits and the model's private memory all live
// in this object's tables, which are handed to the model on each evaluation.
// Tables are 1-based: entry i is pin i, then the state bits, then private memory.
class Componente {
public:
    static constexpr int kEntradas = 64;
    static constexpr int kUltimaEntrada = 62;

    // Binds the model: pin count, pin types, state count and its switch-on values.
    void Circuito(const CircuitoElectronico* modelo);
    const CircuitoElectronico* Circuito() const { return pCircuito; }

    // Counts that would leave no room in the 64-entry tables are refused.
    void NumeroDePines(int n);
    void NumeroDeEstados(int n);
    int NumeroDePines() const { return nPines; }
    int NumeroDeEstados() const { return nEstados; }

    // `tipos` is 1-based: character i is pin i's type.
    void TiposDePines(const char* tipos);
    const char* TiposDePines() const { return acTipo.data(); }
    const char* EstadosDePines() const { return acEstado.data(); }

    void Estado(int i, char e);
    char Estado(int i) const { return EsEntradaValida(i) ? acEstado[static_cast<std::size_t>(i)] : 'Z'; }

    void Imagenes(const Imagen& imagen, const Imagen& mascara);
    const Imagen& ImagenDelChip() const { return bmpImagen; }
    const Imagen& MascaraDelChip() const { return bmpMascara; }
    int Anchura() const { return wImagen; }
    int Altura() const { return hImagen; }

    void UbicaEn(Punto p) { ptUbicacion = p; }
    Punto Ubicacion() const { return ptUbicacion; }
    void Desplazamiento(Punto d) { ptDesplazamiento = d; }
    Punto Desplazamiento() const { return ptDesplazamiento; }
    void CentroDeCasilla(Punto c) { ptCentroDeCasilla = c; }
    Punto CentroDeCasilla() const { return ptCentroDeCasilla; }
    // The breadboard `n` was dragged by `d`: a chip plugged into it follows.
    void Desplaza(int n, Punto d);

    void Codigo(long codigo) { lCodigo = codigo; }
    long Codigo() const { return lCodigo; }

    bool EstaInsertado() const { return bInsertado; }
    void Inserta() { bInsertado = true; }
    void Retira() { bInsertado = false; }
    void NumeroDeProtoboard(int n) { nProtoboard = n; }
    int NumeroDeProtoboard() const { return nProtoboard; }
    void Etiqueta(bool b) { bEtiqueta = b; }
    bool Etiqueta() const { return bEtiqueta; }

    // The breadboard hole under pin i; null unplugs the pin.
    void AsignaCasilla(Puerto* casilla, int i);
    bool TieneCasilla(int i) const { return DireccionDeCasilla(i) != nullptr; }
    Puerto* DireccionDeCasilla(int i) const;

    // Records where (x, y) grabs the chip, even when it misses the picture.
    bool Ubicado(int x, int y);
    // The point lies on the chip's picture; nothing is recorded.
    bool Cubre(int x, int y) const {
        return x >= ptUbicacion.x && x < ptUbicacion.x + wImagen && y >= ptUbicacion.y &&
               y < ptUbicacion.y + hImagen;
    }
    void Selecciona() { bMoviendo = true; }
    void EnMovimiento(int x, int y);
    void BotonArriba(int, int) { bMoviendo = false; }
    bool EstaMoviendo() const { return bMoviendo; }

    // Reads the pins and lets the model compute; no port changes here.
    void CalculaFunciones();
    // The same with `funcion` standing in for the model's Funcion, which it must equal:
    // the settling engine computes gate chips from a compiled form, without a virtual call.
    template <typename Funcion>
    void CalculaFuncionesCon(const Funcion& funcion) {
        if (pCircuito == nullptr) return;
        bPendiente = false;
        if (!EstaAlimentadoYLeeEntradas()) {
            ApagaSalidas();
            return;
        }
        // A floating input ('Z') reads as high, like an open TTL input.
        bCambio = funcion(abValor.data());
        // Models write only outputs and state entries: the pins read are shown already.
        EstadosNoLeidosDesdeValores();
    }
    bool HayCambio() const { return bCambio; }
    // For an engine that computes a chip one gate or flip-flop at a time on levels it
    // keeps itself: pin i read at level e, as the chip's own reading would leave it; the
    // value table the parts compute on; an entry computed there (an output, a clock's
    // last level) shown as its level; and the end of an evaluation that did or did not
    // move an output. Only for a chip without faults whose reads all sit in holes.
    void LeePin(int i, char e) {
        const auto u = static_cast<std::size_t>(i);
        abValor[u] = e != '0';
        acEstado[u] = static_cast<char>('0' + abValor[u]);
    }
    bool* Valores() { return abValor.data(); }
    void EscribeSalida(int i) { acEstado[static_cast<std::size_t>(i)] = static_cast<char>('0' + abValor[static_cast<std::size_t>(i)]); }
    void Evaluado(bool cambio) {
        bPendiente = false;
        bCambio = cambio;
    }
    // The same for a chip evaluated since its last request (not pending): its change flag
    // alone.
    void CambioDeSalidas(bool cambio) { bCambio = cambio; }
    // Something other than the levels of its pins asks for an evaluation: never evaluated
    // since binding or a restart, a planted fault, or the last evaluation moved an output.
    bool PidePorSiMismo() const { return pCircuito != nullptr && (bPendiente || bCambio); }
    bool TieneFallos() const { return bConFallos; }
    // Whether evaluating now could change anything: never evaluated since binding or a
    // restart, the last evaluation moved an output, or a pin reads otherwise than it did
    // then. Models leave a second evaluation on unchanged pins without effect.
    bool PideEvaluacion() const;
    // The output pins that sit in a hole, in pin order.
    int NumeroDeSalidas() const { return nSalidas; }
    int PinDeSalida(int k) const { return aiSalida[static_cast<std::size_t>(k)]; }
    // The pins read on evaluation (inputs, supply, ground) that sit in a hole, in pin order.
    int NumeroDeLecturas() const { return nLecturas; }
    int PinDeLectura(int k) const { return aLectura[static_cast<std::size_t>(k)].pin; }
    // Drives the output pins' levels onto their nets.
    void Transmite();
    // Marks the output pins' nets as driven again.
    void TransmiteTipos();
    // Back to the model's switch-on state, private memory cleared.
    void Reinicia();

    void Dibuja(Lienzo& lienzo) const;

    // A planted fault on pin i, for troubleshooting exercises: '0' or '1' stuck at that
    // level, 'A' open (read as floating, drives nothing), '\0' none. Not saved with the
    // circuit; the engine applies it where the pin is read and driven, and only there.
    void Fallo(int i, char f);
    char Fallo(int i) const;
    // What output pin i puts on its net: its state, unless a fault says otherwise.
    char EstadoQueDa(int i) const { return EsEntradaValida(i) ? ConFallo(i, Estado(i)) : 'Z'; }

private:
    // Inline: every pin read and driven while settling passes through it.
    char ConFallo(int i, char estado) const {
        switch (acFallo[static_cast<std::size_t>(i)]) {
            case '0': return '0';
            case '1': return '1';
            case 'A': return 'Z';
            default: return estado;
        }
    }

    static bool EsEntradaValida(int i) { return i >= 1 && i <= kUltimaEntrada; }
    bool EstaAlimentadoYLeeEntradas();
    bool LeeEnOrden();
    bool TieneFallosEnLosPines() const;
    bool HayTensionEnLasCasillas();
    void LeeEntradas();
    void EstadosDesdeValores();
    void EstadosNoLeidosDesdeValores();
    void ListaNoLeidas();
    void ApagaSalidas();
    void ListaPines();

    // One pin read on evaluation, its hole, and what it held then: state and (supply and
    // ground) type.
    struct Lectura {
        const Puerto* casilla = nullptr;
        unsigned char pin = 0;
        char tipoDePin = 'E';
        char estado = 'Z';
        char tipo = 'F';
    };

    Imagen bmpImagen;
    Imagen bmpMascara;
    int wImagen = 0;
    int hImagen = 0;
    int nProtoboard = 0;
    int nPines = 0;
    int nEstados = 0;
    int xAgarre = 0;
    int yAgarre = 0;
    long lCodigo = 0;
    bool bMoviendo = false;
    bool bInsertado = false;
    bool bEtiqueta = false;
    Punto ptUbicacion;
    Punto ptDesplazamiento;
    Punto ptCentroDeCasilla;
    const CircuitoElectronico* pCircuito = nullptr;
    // Beside the model: the settling engine looks at these three for every chip, often
    // without evaluating it.
    bool bCambio = false;
    bool bPendiente = true;
    // A planted fault on some pin: reads go the long way, through ConFallo.
    bool bConFallos = false;
    std::array<Puerto*, kEntradas> apCasilla{};
    std::array<char, kEntradas> acEstado{};
    std::array<char, kEntradas> acTipo{};
    // abValor entry i always equals (acEstado entry i != '0') for the chip's own entries,
    // so an evaluation converts only the pins it reads.
    std::array<bool, kEntradas> abValor{};
    std::array<Lectura, kEntradas> aLectura{};
    std::array<unsigned char, kEntradas> aiSalida{};
    // The chip's own entries (pins and state bits) that are not read, ended by a 0.
    std::array<unsigned char, kEntradas> aiNoLeida{};
    // The supply and ground entries of aLectura, in pin order.
    std::array<unsigned char, kEntradas> aiAlimentacion{};
    int nLecturas = 0;
    int nAlimentaciones = 0;
    int nSalidas = 0;
    // Lecturas the last evaluation went through: a missing supply stops the scan.
    int nLeidas = 0;
    std::array<char, kEntradas> acFallo{};
};

}  // namespace velistra
