#include "modelo/Tablero.h"

#include "plataforma/Lienzo.h"
#include "plataforma/Ventana.h"

namespace velistra {

namespace {

// Passes a board's repaints, in workbench coordinates, to a window that shows the bench
// scrolled by an offset.
class VentanaDesplazada final : public Ventana {
public:
    VentanaDesplazada(Ventana& ventana, int x, int y) : destino(ventana), dx(x), dy(y) {}
    void Repinta(int l, int t, int r, int b) override {
        destino.Repinta(l - dx, t - dy, r - dx, b - dy);
    }

private:
    Ventana& destino;
    int dx;
    int dy;
};

}  // namespace

void Tablero::Define(int x, int y, int w, int h, int base, int id) {
    UbicaEn(x, y);
    wTablero = w;
    hTablero = h;
    NodoBase(base);
    iIdentificador = id;
}

void Tablero::ImagenDeFondo(const Imagen& imagen, int w, int h) {
    bmpFondo = imagen;
    wTablero = w;
    hTablero = h;
}

void Tablero::ImagenDeEntrada(const Imagen& imagen, int w, int h) {
    bmpEntrada = imagen;
    wEntrada = w;
    hEntrada = h;
}

void Tablero::ImagenDeSalida(const Imagen& imagen, int w, int h) {
    bmpSalida = imagen;
    wSalida = w;
    hSalida = h;
}

unsigned char Tablero::EstadoDeEntrada(int i) const {
    if (i < 0 || i >= nEntradas || i >= static_cast<int>(bEntradas.size())) return 0;
    return bEntradas[static_cast<std::size_t>(i)];
}

unsigned char Tablero::EstadoDeSalida(int i) const {
    if (i < 0 || i >= nSalidas || i >= static_cast<int>(bSalidas.size())) return 0;
    return bSalidas[static_cast<std::size_t>(i)];
}

Puerto* Tablero::DireccionDePuerto(int i) {
    if (i < 0 || i >= nPuertos) return nullptr;
    return &pPuertos[static_cast<std::size_t>(i)];
}

bool Tablero::EstaLimpio() const {
    for (int i = 0; i < nPuertos; ++i) {
        if (!pPuertos[static_cast<std::size_t>(i)].EstaLibre()) return false;
    }
    return true;
}

void Tablero::EnviaTipos() {
    for (int i = 0; i < nPuertos; ++i) {
        Puerto& p = pPuertos[static_cast<std::size_t>(i)];
        const char t = p.TipoOriginal();
        if (t != 'F' && t != 'E') p.TipoDelSiguiente(t);
    }
}

void Tablero::Avanza50ms() {}
Puerto* Tablero::PuertoEn(int, int) { return nullptr; }
std::optional<Punto> Tablero::CentroDePuerto(int) const { return std::nullopt; }
bool Tablero::ClickIzquierdo(Ventana*, int, int) { return false; }

bool Tablero::ClickIzquierdo(Ventana* ventana, int x, int y, int xDesplazamiento,
                             int yDesplazamiento) {
    if (ventana == nullptr) return ClickIzquierdo(nullptr, x, y);
    VentanaDesplazada desplazada(*ventana, xDesplazamiento, yDesplazamiento);
    return ClickIzquierdo(&desplazada, x, y);
}
void Tablero::Dibuja(Lienzo&) {}
void Tablero::Transmite() {}
void Tablero::Conmuta() {}
bool Tablero::MarcadorEn(int, int) { return false; }
bool Tablero::EntradaEn(int, int) { return false; }
void Tablero::NodoBase(int) {}
void Tablero::TestDePuerto(Lienzo&, int, bool) {}
bool Tablero::SeleccionaEntrada(int) { return false; }
bool Tablero::EstadoDeLed(int) const { return false; }
std::optional<Mensaje> Tablero::NombreDeTerminal(int) const { return std::nullopt; }
std::optional<Hueco> Tablero::HuecoDePuerto(int) const { return std::nullopt; }
void Tablero::AnotaEstadoSinArchivo(std::vector<bool>&) const {}
void Tablero::RecuperaEstadoSinArchivo(const std::vector<bool>&, std::size_t&) {}

void Tablero::CreaPuertos(int n) {
    nPuertos = n;
    pPuertos = std::make_unique<Puerto[]>(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) pPuertos[static_cast<std::size_t>(i)].Indice(i);
}

void Tablero::DefineTira(int primero, int longitud, char tipo) {
    for (int j = 0; j < longitud; ++j) {
        Puerto& p = pPuertos[static_cast<std::size_t>(primero + j)];
        p.Indice(primero + j);
        p.NumeroDeAnteriores(j);
        p.NumeroDeSiguientes(longitud - 1 - j);
        p.TipoOriginal(tipo);
    }
}

void Tablero::CreaEntradas(int n, Punto posicion, Tamano tamano) {
    nEntradas = n;
    ptEntradas.assign(static_cast<std::size_t>(n), posicion);
    szEntradas.assign(static_cast<std::size_t>(n), tamano);
    bEntradas.assign(static_cast<std::size_t>(n), 0);
}

void Tablero::CreaSalidas(int n, Punto posicion, Tamano tamano) {
    nSalidas = n;
    ptSalidas.assign(static_cast<std::size_t>(n), posicion);
    szSalidas.assign(static_cast<std::size_t>(n), tamano);
    bSalidas.assign(static_cast<std::size_t>(n), 0);
}

void Tablero::ExcitaTira(int primerPuerto, char s) {
    Puerto& p = pPuertos[static_cast<std::size_t>(primerPuerto)];
    p.Estado(s);
    p.EstadoDelSiguiente(s);
}

bool Tablero::EstaAlimentado(int puertoVcc, int puertoGnd) const {
    const Puerto& vcc = pPuertos[static_cast<std::size_t>(puertoVcc)];
    const Puerto& gnd = pPuertos[static_cast<std::size_t>(puertoGnd)];
    return vcc.Estado() == '1' && gnd.Estado() == '0' && vcc.Tipo() == 'V' && gnd.Tipo() == 'G';
}

Puerto* Tablero::Acierta(int puerto, int xCentro, int yCentro) {
    xCentroPuerto = xEsquina + xCentro;
    yCentroPuerto = yEsquina + yCentro;
    return &pPuertos[static_cast<std::size_t>(puerto)];
}

void Tablero::DibujaLuces(Lienzo&) {}

void Tablero::DibujaFondo(Lienzo& lienzo) const {
    lienzo.CopiaImagen(bmpFondo, xEsquina, yEsquina, wTablero, hTablero, ModoDeCopia::Copia);
}

}  // namespace velistra
