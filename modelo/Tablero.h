#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "modelo/Puerto.h"
#include "modelo/Punto.h"
#include "plataforma/Imagen.h"
#include "plataforma/Mensaje.h"

namespace velistra {

class Lienzo;
class Ventana;

struct Tamano {
    int ancho = 0;
    int alto = 0;
};

// A terminal through which a board draws its power: it works only while the terminal is
// wired to the supply strip of that type ('V' or 'G').
struct TomaDeAlimentacion {
    int puerto = 0;
    char tipo = 'V';
};

// Where a hole sits on a board that names its holes by area, column and row; the area
// is a marked text ("superior", "bus inferior", ...).
struct Hueco {
    const char* area = nullptr;
    int columna = 0;
    int fila = 0;
};

// Base of every board on the workbench: position, size, identifier, type code, its
// one contiguous array of ports, its input and output widgets and three images.
// The virtual operations are the whole contract between the workbench and a board:
// what differs between kinds is asked of the board here, what a kind is (its menu,
// pictures, node count, name and roles) of its description beside the factory.
class Tablero {
public:
    // Board type codes (7 is not used). Only the boards' own folder names them.
    enum Tipos {
        kProtoboard = 0,
        kInterruptores = 1,
        kPulsadores = 2,
        kLeds = 3,
        kFuenteDC = 4,
        kTemporizadores = 5,
        kSieteSegmentos = 6,
        kPLA = 8,
    };

    Tablero() = default;
    Tablero(const Tablero&) = delete;
    Tablero& operator=(const Tablero&) = delete;
    // Boards are owned and destroyed through base pointers by the workbench's list.
    virtual ~Tablero() = default;

    void Define(int x, int y, int w, int h, int base, int id);
    void UbicaEn(int x, int y) { xEsquina = x; yEsquina = y; }

    int EsquinaX() const { return xEsquina; }
    int EsquinaY() const { return yEsquina; }
    int CentroX() const { return xCentroPuerto; }
    int CentroY() const { return yCentroPuerto; }
    int Anchura() const { return wTablero; }
    int Altura() const { return hTablero; }
    int Tipo() const { return nTipo; }
    int NumeroDePuertos() const { return nPuertos; }
    int NumeroDeEntradas() const { return nEntradas; }
    int NumeroDeSalidas() const { return nSalidas; }
    int NodoBase() const { return nBaseDeNodos; }
    int Identificador() const { return iIdentificador; }
    void Identificador(int id) { iIdentificador = id; }

    void ImagenDeFondo(const Imagen& imagen, int w, int h);
    void ImagenDeEntrada(const Imagen& imagen, int w, int h);
    void ImagenDeSalida(const Imagen& imagen, int w, int h);
    const Imagen& ImagenDeFondo() const { return bmpFondo; }

    unsigned char EstadoDeEntrada(int i) const;
    unsigned char EstadoDeSalida(int i) const;
    // Address of port i, or null outside the array.
    Puerto* DireccionDePuerto(int i);
    // No wire end and no chip pin on any port.
    bool EstaLimpio() const;
    // Re-asserts the board's own driving types after a wire removal reset its nets.
    void EnviaTipos();

    virtual void Avanza50ms();
    virtual Puerto* PuertoEn(int x, int y);
    // Where a wire snaps to port i, in workbench coordinates; none for a port the board
    // does not show (a hidden board, a board without terminals).
    virtual std::optional<Punto> CentroDePuerto(int i) const;
    // (x, y) in workbench coordinates; a board that changes what it shows asks `ventana`
    // to repaint that area, in workbench coordinates too.
    virtual bool ClickIzquierdo(Ventana* ventana, int x, int y);
    // The same for a window that shows the bench scrolled by the offsets and takes its
    // repaints in its own coordinates: they are translated on the way.
    bool ClickIzquierdo(Ventana* ventana, int x, int y, int xDesplazamiento, int yDesplazamiento);
    virtual void Dibuja(Lienzo& lienzo);
    // Its lit lamps alone, drawn once more above the wires so that no wire hides them.
    virtual void DibujaLuces(Lienzo& lienzo);
    virtual void Transmite();
    virtual void Conmuta();
    virtual bool MarcadorEn(int x, int y);
    virtual bool EntradaEn(int x, int y);
    virtual void NodoBase(int base);
    virtual void TestDePuerto(Lienzo& lienzo, int i, bool bEstado);

    // The area the board covers; a board without a picture of its own answers its drawing's.
    virtual Tamano TamanoDibujado() const { return {wTablero, hTablero}; }
    // A board the bench keeps but the user may put away (the timer): hidden, it offers no
    // terminal or handle and is not drawn.
    virtual bool EstaVisible() const { return true; }
    virtual void Muestra() {}
    virtual void Oculta() {}
    // At least one output terminal carries a wire, so a step of the board can change the
    // circuit.
    virtual bool TieneSalidas() const { return false; }
    // Levers and keys: selects input i for Conmuta without a mouse hit; false, and
    // nothing selected, for an index out of range or a board without such inputs.
    virtual bool SeleccionaEntrada(int i);
    // The input last hit by EntradaEn or selected; -1 for a board without levers.
    virtual int EntradaSeleccionada() const { return -1; }
    // Whether lamp or segment i is lit now.
    virtual bool EstadoDeLed(int i) const;
    // The terminals the board needs on the supply to work; none for a board that drives
    // and lights nothing of its own.
    virtual std::vector<TomaDeAlimentacion> TomasDeAlimentacion() const { return {}; }
    // What the user sees at driving terminal i: "palanca 3", "VCC", "10 Hz"; none when
    // the board gives its terminals no names.
    virtual std::optional<Mensaje> NombreDeTerminal(int i) const;
    // Hole i by area, column and row, on a board laid out so; none on other boards.
    virtual std::optional<Hueco> HuecoDePuerto(int i) const;
    // Port i as a short label for a recording's channel ("a12" on a breadboard).
    virtual std::string EtiquetaDePuerto(int i) const { return std::to_string(i); }
    // State the circuit file does not keep (the PLA's links), for the undo history: the
    // board appends it, and later takes it back from `desde` on, advancing it.
    virtual void AnotaEstadoSinArchivo(std::vector<bool>& estado) const;
    virtual void RecuperaEstadoSinArchivo(const std::vector<bool>& estado, std::size_t& desde);

protected:
    // Layout helpers for derived boards.
    void CreaPuertos(int n);
    // Ports [primero, primero + longitud) become one strip of type `tipo`; each port's
    // index is its slot.
    void DefineTira(int primero, int longitud, char tipo);
    void CreaEntradas(int n, Punto posicion, Tamano tamano);
    void CreaSalidas(int n, Punto posicion, Tamano tamano);
    // Drives a strip and everything wired to it with state `s`.
    void ExcitaTira(int primerPuerto, char s);
    // A board fed through its own VCC and GND terminals: VCC reads '1' and 'V', GND '0' and 'G'.
    bool EstaAlimentado(int puertoVcc, int puertoGnd) const;
    // Stores a hit port's centre (relative to the corner) and answers the port.
    Puerto* Acierta(int puerto, int xCentro, int yCentro);
    void DibujaFondo(Lienzo& lienzo) const;

    int iIdentificador = 0;
    int nPuertos = 0;
    int nSalidas = 0;
    int nEntradas = 0;
    int xEsquina = 0;
    int yEsquina = 0;
    int xCentroPuerto = 0;
    int yCentroPuerto = 0;
    int nBaseDeNodos = 0;
    int wTablero = 0;
    int hTablero = 0;
    int nTipo = 0;
    std::vector<Punto> ptEntradas;
    std::vector<Tamano> szEntradas;
    std::vector<Punto> ptSalidas;
    std::vector<Tamano> szSalidas;
    std::vector<unsigned char> bEntradas;
    std::vector<unsigned char> bSalidas;
    std::unique_ptr<Puerto[]> pPuertos;
    Imagen bmpFondo;
    Imagen bmpEntrada;
    Imagen bmpSalida;
    int wEntrada = 0;
    int hEntrada = 0;
    int wSalida = 0;
    int hSalida = 0;
};

}  // namespace velistra
