#include "tableros/TableroDePalancas.h"

#include "plataforma/Lienzo.h"

namespace velistra {

TableroDePalancas::TableroDePalancas(const ClaseDePalancas& clase)
    : TableroDeTiras(clase.tipo, kPalancas, clase.Salidas()),
      nombreDeEntrada(clase.nombreDeEntrada) {
    CreaEntradas(kPalancas, {}, {15, 28});
    for (int i = 0; i < kPalancas; ++i)
        ptEntradas[static_cast<std::size_t>(i)] = clase.EsquinaDeImagen(i);
}

void TableroDePalancas::Dibuja(Lienzo& lienzo) {
    DibujaFondo(lienzo);
    for (int i = 0; i < nEntradas; ++i) {
        if (bEntradas[static_cast<std::size_t>(i)] == 0) continue;
        const Punto p = ptEntradas[static_cast<std::size_t>(i)];
        lienzo.CopiaImagen(bmpEntrada, xEsquina + p.x, yEsquina + p.y, wEntrada, hEntrada,
                           ModoDeCopia::Copia);
    }
}

void TableroDePalancas::Transmite() { ExcitaSalidas(bEntradas); }

void TableroDePalancas::Conmuta() {
    unsigned char& nivel = bEntradas[static_cast<std::size_t>(iEntrada)];
    nivel = nivel ? 0 : 1;
    if (EstaAlimentado()) ExcitaSalida(iEntrada, static_cast<char>('0' + nivel));
}

bool TableroDePalancas::SeleccionaEntrada(int i) {
    if (i < 0 || i >= kPalancas) return false;
    iEntrada = i;
    return true;
}

std::optional<Mensaje> TableroDePalancas::NombreDeTerminal(int i) const {
    return Mensaje(nombreDeEntrada, {Mensaje::Entero(i / kTerminalesPorTira)});
}

bool TableroDePalancas::EntradaEn(int x, int y) {
    for (int i = 0; i < kPalancas; ++i) {
        if (ClaseDePalancas::Palanca(i).Contiene(x - xEsquina, y - yEsquina)) {
            iEntrada = i;
            return true;
        }
    }
    return false;
}

}  // namespace velistra
