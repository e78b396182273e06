#include "cables/Cables.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velistra {

namespace {

// The colour dialog's custom colours, kept while the program runs: 0x010101, then
// 0x101010, 0x202020, ... 0xF0F0F0.
std::array<velistra::Color, 16>& ColoresPersonalizados() {
    static std::array<velistra::Color, 16> custColors = [] {
        std::array<velistra::Color, 16> colores{};
        colores[0] = Rgb(1, 1, 1);
        for (int k = 1; k < 16; ++k)
            colores[static_cast<std::size_t>(k)] = Rgb(16 * k, 16 * k, 16 * k);
        return colores;
    }();
    return custColors;
}

// The bar under the toolbar's colour button that shows the colour of new wires.
constexpr int kBarraIzquierda = 86;
constexpr int kBarraDerecha = 105;
constexpr int kBarraAltura = 2;
constexpr int kBarraAncho = 5;

}  // namespace

void Cables::DibujaBarra(Lienzo& lienzo) const {
    const auto enMesa = [this](int puntos) {
        return static_cast<int>(std::lround(puntos / escalaDeLaVentana));
    };
    const Pluma anterior = lienzo.SeleccionaPluma({color, std::max(1, enMesa(kBarraAncho))});
    lienzo.MueveA(deltaX + enMesa(kBarraIzquierda), deltaY + enMesa(kBarraAltura));
    lienzo.LineaA(deltaX + enMesa(kBarraDerecha), deltaY + enMesa(kBarraAltura));
    lienzo.SeleccionaPluma(anterior);
}

void Cables::Dibuja(Lienzo& lienzo) const {
    DibujaBarra(lienzo);
    for (const Cable& cable : lista) cable.Dibuja(lienzo);
    if (estaCreando) nuevo.Dibuja(lienzo);
}

void Cables::CreaCable(int tablero, int x, int y) {
    haCambiado = false;
    estaCreando = true;
    nuevo.Color(color);
    nuevo.Inicia(tablero, x, y);
}

void Cables::Concluye(int tablero, int x, int y) {
    if (!estaCreando) return;  // nothing is being drawn: keep no stale wire
    nuevo.Concluye(tablero, x, y);
    lista.push_back(nuevo);
    haCambiado = false;
    estaCreando = false;
}

bool Cables::ParaModificar(int x, int y) {
    haCambiado = false;
    iCable = -1;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (lista[i].PasaPor(x, y)) {
            iCable = static_cast<int>(i);
            haCambiado = true;
            estaCreando = false;
            return true;
        }
    }
    return false;
}

void Cables::EnMovimiento(int x, int y) {
    if (haCambiado) {
        if (iCable >= 0 && iCable < static_cast<int>(lista.size())) {
            lista[static_cast<std::size_t>(iCable)].Modifica(x, y);
        }
    } else if (estaCreando) {
        nuevo.Construye(x, y);
    }
}

void Cables::BotonArriba(int, int) {
    haCambiado = false;
    estaCreando = false;
}

void Cables::RetiraCable() {
    if (iCable >= 0 && iCable < static_cast<int>(lista.size())) {
        lista.erase(lista.begin() + iCable);
        // The index now names the next wire; a repeated call must not remove it.
        iCable = -1;
    }
    haCambiado = false;
    estaCreando = false;
}

void Cables::Color(Dialogos& dialogos) {
    if (const auto elegido = dialogos.EligeColor(color, ColoresPersonalizados())) color = *elegido;
}

void Cables::Desplaza(int, int tablero, Punto d) {
    for (Cable& cable : lista) cable.Desplaza(tablero, d);
}

void Cables::Vacia() {
    lista.clear();
    iCable = -1;
    haCambiado = false;
    estaCreando = false;
}

}  // namespace velistra
