#pragma once
#include <cstddef>
#include <vector>

#include "modelo/Componente.h"

namespace velistra {

// Every chip on the workbench, in order of creation (later chips are drawn on top),
// the selected chip and whether it is being dragged. A selection is only honoured
// while it names a chip of the list; a stale one makes the operations do nothing.
class Componentes {
public:
    // Appends a chip of that code at its parking place; the selection stays.
    void Nuevo(long lCodigo);
    // Rebinds every chip from `desde` on to its model and pictures after a circuit file
    // was read.
    void Recarga(std::size_t desde = 0);
    static void ImagenesDeChip(Componente& chip, int pines);

    void Dibuja(Lienzo& lienzo) const;

    // Selects the first chip (in list order) under the point.
    bool Ubicado(int x, int y);
    // The same search; the chip found is also marked as moving.
    bool ParaEliminar(int x, int y);
    void Selecciona();
    void EnMovimiento(int x, int y);
    void BotonArriba(int x, int y);
    bool EstaMoviendo() const { return bMoviendo; }
    int Indice() const { return iSeleccionado; }

    // Operations on the selected chip.
    bool EstaInsertado() const;
    // Unplugged and parked at (20, 40).
    void Retira();
    void Inserta();
    void NumeroDeProtoboard(int n);
    long Codigo() const;
    Punto Ubicacion() const;
    void Ubicacion(Punto p);
    int NumeroDePines() const;
    const char* TiposDePines() const;
    Punto Desplazamiento() const;
    // The selected chip, or null when the selection is stale.
    Componente* Seleccionado();
    const Componente* Seleccionado() const;
    // The selection position is kept: it may now name the next chip or none.
    void EliminaSeleccionado();

    // Chips plugged into breadboard `n` follow it when it is dragged by `d`.
    void Desplaza(int n, Punto d);

    void CalculaFunciones();
    // Whether any chip's last evaluation changed an output.
    bool HayCambio() const;
    void Transmite();
    void TransmiteTipos();
    void Reinicia();

    // The collection as a list.
    std::size_t size() const { return lista.size(); }
    bool empty() const { return lista.empty(); }
    Componente& operator[](std::size_t i) { return lista[i]; }
    const Componente& operator[](std::size_t i) const { return lista[i]; }
    std::vector<Componente>::iterator begin() { return lista.begin(); }
    std::vector<Componente>::iterator end() { return lista.end(); }
    std::vector<Componente>::const_iterator begin() const { return lista.begin(); }
    std::vector<Componente>::const_iterator end() const { return lista.end(); }
    void Agrega(const Componente& chip);
    // Empties the list; nothing stays selected or dragged.
    void Limpia();
    // Grows whenever a chip comes, goes or is reloaded, so that a picture of the chips'
    // pins (the settling loop's) is taken again.
    unsigned long Generacion() const { return nGeneracion; }

private:
    bool BuscaEn(int x, int y);
    bool HaySeleccion() const;

    std::vector<Componente> lista;
    int iSeleccionado = -1;
    bool bMoviendo = false;
    unsigned long nGeneracion = 0;
};

}  // namespace velistra
