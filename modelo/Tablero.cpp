#include "modelo/Tablero.h"

#include "plataforma/Lienzo.h"

namespace velistra {

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

void Tablero::Avanza50ms(int, int) {}
Puerto* Tablero::PuertoEn(int, int) { return nullptr; }
std::optional<Punto> Tablero::CentroDePuerto(int) const { return std::nullopt; }
bool Tablero::ClickIzquierdo(Ventana*, int, int, int, int) { return false; }
void Tablero::Dibuja(Lienzo&) {}
void Tablero::Transmite() {}
void Tablero::Conmuta() {}
bool Tablero::MarcadorEn(int, int) { return false; }
bool Tablero::EntradaEn(int, int) { return false; }
void Tablero::NodoBase(int) {}
void Tablero::TestDePuerto(Lienzo&, int, bool) {}

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
