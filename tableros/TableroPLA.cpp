#include "tableros/TableroPLA.h"

#include "plataforma/Lienzo.h"
#include "plataforma/Recursos.h"
#include "plataforma/Ventana.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

namespace {

constexpr Color kNegro = Rgb(0, 0, 0);
// A click this close (squared distance) to a cross-point toggles its link; cross-points
// are 25 pixels apart or more, so at most one is ever within reach.
constexpr int kAlcanceAlCuadrado = 24;
constexpr int kMarcador = 15;

constexpr int kPrimeraColumnaDeSalida = 2 * TableroPLA::kEntradas;

constexpr int ColumnaDeEntrada(int k) { return TableroPLA::Cruce(2 * k, 0).x; }
constexpr int ColumnaInvertida(int k) { return TableroPLA::Cruce(2 * k + 1, 0).x; }
constexpr int ColumnaDeSalida(int k) { return TableroPLA::Cruce(kPrimeraColumnaDeSalida + k, 0).x; }
constexpr int FilaDeTermino(int j) { return TableroPLA::Cruce(0, j).y; }

// Lines start this far down; each input meets the line to its inverter at kDerivacion.
constexpr int kArriba = 35;
constexpr int kDerivacion = 485;

// An input's line ends on its switch's slot, an output's on its lamp's top centre.
constexpr Punto PosicionDeInterruptor(int k) { return {ColumnaDeEntrada(k) - 6, 500}; }
constexpr Punto PosicionDeLed(int k) { return {ColumnaDeSalida(k) - 9, 510}; }

constexpr Punto PosicionDeInversor(int k) {
    return {ColumnaInvertida(k) - TableroPLA::kColumnaDelInversor, 420};
}
constexpr Punto PosicionDeAnd(int j) { return {250, FilaDeTermino(j) - TableroPLA::kFilaDelAnd}; }
constexpr Punto PosicionDeOr(int k) {
    return {ColumnaDeSalida(k) - TableroPLA::kColumnaDelOr, 420};
}

// A link's dot, 9 pixels across, around its cross-point at (x, y).
Recuadro PuntoDeConexion(int x, int y) { return {x - 4, y - 4, x + 5, y + 5}; }

}  // namespace

TableroPLA::TableroPLA() {
    nTipo = kPLA;
    CreaEntradas(kEntradas, {},
                 {recursos::PlaInterruptorEncendido.ancho, recursos::PlaInterruptorEncendido.alto});
    CreaSalidas(kEntradas, {}, {recursos::PlaLedApagado.ancho, recursos::PlaLedApagado.alto});
    for (int k = 0; k < kEntradas; ++k) {
        const auto i = static_cast<std::size_t>(k);
        ptEntradas[i] = PosicionDeInterruptor(k);
        ptSalidas[i] = PosicionDeLed(k);
        pInterruptores[i].Imagenes(recursos::PlaInterruptorApagado,
                                   recursos::PlaInterruptorEncendido);
        pLeds[i].Imagenes(recursos::PlaLedApagado, recursos::PlaLedEncendido);
    }
    ColocaElementos();
}

void TableroPLA::ColocaElementos() {
    for (int k = 0; k < kEntradas; ++k) {
        const auto i = static_cast<std::size_t>(k);
        pInterruptores[i].UbicaEn(xEsquina + ptEntradas[i].x, yEsquina + ptEntradas[i].y);
        pLeds[i].UbicaEn(xEsquina + ptSalidas[i].x, yEsquina + ptSalidas[i].y);
    }
}

bool TableroPLA::MarcadorEn(int x, int y) {
    const int dx = x - xEsquina;
    const int dy = y - yEsquina;
    return dx >= 0 && dx <= kMarcador && dy >= 0 && dy <= kMarcador;
}

bool TableroPLA::ClickIzquierdo(Ventana* ventana, int x, int y) {
    ColocaElementos();
    for (int i = 0; i < kColumnas; ++i) {
        for (int j = 0; j < kTerminos; ++j) {
            const Punto cruce = Cruce(i, j);
            const int px = xEsquina + cruce.x;
            const int py = yEsquina + cruce.y;
            if ((px - x) * (px - x) + (py - y) * (py - y) > kAlcanceAlCuadrado) continue;
            abConexion[Indice(i, j)] = !abConexion[Indice(i, j)];
            if (ventana != nullptr) {
                const Recuadro r = PuntoDeConexion(px, py);
                ventana->Repinta(r.izquierda, r.arriba, r.derecha, r.abajo);
            }
            CalculaSalida(ventana);
            return true;
        }
    }
    for (Interruptor& interruptor : pInterruptores) {
        if (!interruptor.ClickEn(x, y)) continue;
        interruptor.Dibuja(ventana);
        CalculaSalida(ventana);
        return true;
    }
    return false;
}

bool TableroPLA::Literal(int columna) const {
    const bool entrada = pInterruptores[static_cast<std::size_t>(columna / 2)].Estado() != '0';
    return columna % 2 == 0 ? entrada : !entrada;
}

bool TableroPLA::Termino(int j) const {
    // A row with no links in the AND plane is an empty product: 1.
    for (int i = 0; i < kPrimeraColumnaDeSalida; ++i) {
        if (abConexion[Indice(i, j)] && !Literal(i)) return false;
    }
    return true;
}

void TableroPLA::CalculaSalida(Ventana* ventana) {
    for (int k = 0; k < kEntradas; ++k) {
        const auto s = static_cast<std::size_t>(k);
        bool salida = false;
        for (int j = 0; j < kTerminos && !salida; ++j)
            salida = abConexion[Indice(kPrimeraColumnaDeSalida + k, j)] && Termino(j);
        abSalida[s] = salida;
        pLeds[s].Estado(salida);
        pLeds[s].Dibuja(ventana);
        // The base tables mirror the widgets, so generic readers see switches and lamps.
        bEntradas[s] = pInterruptores[s].Estado() != '0';
        bSalidas[s] = salida;
    }
}

void TableroPLA::AnotaEstadoSinArchivo(std::vector<bool>& estado) const {
    for (int i = 0; i < kColumnas; ++i)
        for (int j = 0; j < kTerminos; ++j) estado.push_back(Conexion(i, j));
}

void TableroPLA::RecuperaEstadoSinArchivo(const std::vector<bool>& estado, std::size_t& desde) {
    for (int i = 0; i < kColumnas; ++i)
        for (int j = 0; j < kTerminos && desde < estado.size(); ++j)
            Conexion(i, j, estado[desde++]);
    CalculaSalida(nullptr);
}

void TableroPLA::Dibuja(Lienzo& lienzo) { DibujaEx(lienzo); }

void TableroPLA::DibujaEx(Lienzo& lienzo) {
    lienzo.Rectangulo(xEsquina, yEsquina, xEsquina + kAncho, yEsquina + kAlto);
    DibujaLineas(lienzo);
    DibujaSimbolos(lienzo);
    DibujaMarcas(lienzo);
    lienzo.Texto(xEsquina + 42, yEsquina + 540, "A          B          C          D", kNegro,
                 false);
    lienzo.Texto(xEsquina + 336, yEsquina + 540, "W          X          Y          Z", kNegro,
                 false);
    ColocaElementos();
    for (const Interruptor& interruptor : pInterruptores) interruptor.Dibuja(lienzo);
    for (const VisualizadorLed& led : pLeds) led.Dibuja(lienzo);
}

void TableroPLA::DibujaLineas(Lienzo& lienzo) const {
    const int X = xEsquina;
    const int Y = yEsquina;
    for (int i = 0; i < kPrimeraColumnaDeSalida; ++i) {
        // True inputs run down to their switch, inverted ones stop at the junction with
        // the true line, under their inverter.
        const int x = X + Cruce(i, 0).x;
        lienzo.MueveA(x, Y + kArriba);
        lienzo.LineaA(x, Y + (i % 2 == 0 ? PosicionDeInterruptor(i / 2).y : kDerivacion + 1));
    }
    for (int k = 0; k < kEntradas; ++k) {
        lienzo.MueveA(X + ColumnaDeEntrada(k), Y + kDerivacion);
        lienzo.LineaA(X + ColumnaInvertida(k), Y + kDerivacion);
    }
    for (int j = 0; j < kTerminos; ++j) {
        lienzo.MueveA(X + 37, Y + FilaDeTermino(j));
        lienzo.LineaA(X + 500, Y + FilaDeTermino(j));
    }
    for (int k = 0; k < kEntradas; ++k) {
        lienzo.MueveA(X + ColumnaDeSalida(k), Y + kArriba);
        lienzo.LineaA(X + ColumnaDeSalida(k), Y + PosicionDeLed(k).y);
    }
}

void TableroPLA::DibujaSimbolos(Lienzo& lienzo) const {
    const auto copia = [&lienzo, this](const Imagen& imagen, Punto p) {
        lienzo.CopiaImagen(imagen, xEsquina + p.x, yEsquina + p.y, imagen.ancho, imagen.alto,
                           ModoDeCopia::Copia);
    };
    for (int k = 0; k < kEntradas; ++k) copia(recursos::PlaNot, PosicionDeInversor(k));
    for (int j = 0; j < kTerminos; ++j) copia(recursos::PlaAnd, PosicionDeAnd(j));
    for (int k = 0; k < kEntradas; ++k) copia(recursos::PlaOr, PosicionDeOr(k));
}

void TableroPLA::DibujaMarcas(Lienzo& lienzo) const {
    lienzo.Elipse(xEsquina, yEsquina, xEsquina + kMarcador, yEsquina + kMarcador);
    const Color anterior = lienzo.SeleccionaBrocha(kNegro);
    for (int k = 0; k < kEntradas; ++k) {
        const int x = xEsquina + ColumnaDeEntrada(k);
        const int y = yEsquina + kDerivacion;
        lienzo.Elipse(x - 2, y - 2, x + 3, y + 3);
    }
    for (int i = 0; i < kColumnas; ++i) {
        for (int j = 0; j < kTerminos; ++j) {
            if (!abConexion[Indice(i, j)]) continue;
            const Punto cruce = Cruce(i, j);
            const Recuadro r = PuntoDeConexion(xEsquina + cruce.x, yEsquina + cruce.y);
            lienzo.Elipse(r.izquierda, r.arriba, r.derecha, r.abajo);
        }
    }
    lienzo.SeleccionaBrocha(anterior);
}

std::unique_ptr<Tablero> NuevoTableroPLA() { return std::make_unique<TableroPLA>(); }

}  // namespace velistra
