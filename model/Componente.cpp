#include "model/Componente.h"

#include "chips/Catalogo.h"
#include "chips/CircuitoElectronico.h"
#include "model/Puerto.h"
#include "plataforma/Lienzo.h"

namespace velistra {

namespace {
constexpr Color kGrisDeEtiqueta = Rgb(127, 127, 127);
constexpr Punto kPosicionDeEtiqueta{24, 15};
}  // namespace

void Componente::Circuito(const CircuitoElectronico* modelo) {
    if (modelo == nullptr) return;
    pCircuito = modelo;
    NumeroDePines(modelo->NumeroDePines());
    TiposDePines(modelo->TiposDePines());
    NumeroDeEstados(modelo->NumeroDeEstados());
    pCircuito->EstadoInicial(abValor.data());
    EstadosDesdeValores();
}

// Pins and state bits must leave room for the zero byte after the last pin type.
void Componente::NumeroDePines(int n) {
    if (n >= 0 && n + nEstados <= kUltimaEntrada) nPines = n;
}

void Componente::NumeroDeEstados(int n) {
    if (n >= 0 && n + nPines <= kUltimaEntrada) nEstados = n;
}

void Componente::TiposDePines(const char* tipos) {
    if (tipos == nullptr) return;
    for (int i = 1; i <= nPines; ++i) acTipo[static_cast<std::size_t>(i)] = tipos[i];
    acTipo[static_cast<std::size_t>(nPines + 1)] = '\0';
}

void Componente::Estado(int i, char e) {
    if (EsEntradaValida(i)) acEstado[static_cast<std::size_t>(i)] = e;
}

char Componente::Estado(int i) const {
    return EsEntradaValida(i) ? acEstado[static_cast<std::size_t>(i)] : 'Z';
}

void Componente::Imagenes(const Imagen& imagen, const Imagen& mascara) {
    bmpImagen = imagen;
    bmpMascara = mascara;
    wImagen = imagen.ancho;
    hImagen = imagen.alto;
}

void Componente::Desplaza(int n, Punto d) {
    if (nProtoboard != n) return;
    ptUbicacion.x += d.x;
    ptUbicacion.y += d.y;
}

void Componente::AsignaCasilla(Puerto* casilla, int i) {
    if (i >= 0 && i < kEntradas) apCasilla[static_cast<std::size_t>(i)] = casilla;
}

Puerto* Componente::DireccionDeCasilla(int i) const {
    return i >= 0 && i < kEntradas ? apCasilla[static_cast<std::size_t>(i)] : nullptr;
}

bool Componente::Ubicado(int x, int y) {
    xAgarre = x - ptUbicacion.x;
    yAgarre = y - ptUbicacion.y;
    return xAgarre >= 0 && xAgarre < wImagen && yAgarre >= 0 && yAgarre < hImagen;
}

void Componente::EnMovimiento(int x, int y) {
    if (bMoviendo) ptUbicacion = {x - xAgarre, y - yAgarre};
}

// Copies the input levels into the state table. A supply or ground pin on a net of
// another type leaves the chip unpowered, and the scan stops there.
bool Componente::EstaAlimentadoYLeeEntradas() {
    for (int i = 1; i <= nPines; ++i) {
        const Puerto* casilla = apCasilla[static_cast<std::size_t>(i)];
        const char tipo = acTipo[static_cast<std::size_t>(i)];
        if (casilla == nullptr || (tipo != 'E' && tipo != 'V' && tipo != 'G')) continue;
        acEstado[static_cast<std::size_t>(i)] = ConFallo(i, casilla->Estado());
        if ((tipo == 'V' || tipo == 'G') && casilla->Tipo() != tipo) return false;
    }
    return true;
}

void Componente::EstadosDesdeValores() {
    for (int i = 1; i <= nPines + nEstados; ++i)
        acEstado[static_cast<std::size_t>(i)] = abValor[static_cast<std::size_t>(i)] ? '1' : '0';
}

void Componente::CalculaFunciones() {
    if (pCircuito == nullptr) return;
    if (!EstaAlimentadoYLeeEntradas()) {
        for (int i = 1; i <= nPines; ++i) {
            if (acTipo[static_cast<std::size_t>(i)] == 'S') acEstado[static_cast<std::size_t>(i)] = '0';
        }
        return;
    }
    // A floating input ('Z') reads as high, like an open TTL input.
    for (int i = 1; i <= nPines + nEstados; ++i)
        abValor[static_cast<std::size_t>(i)] = acEstado[static_cast<std::size_t>(i)] != '0';
    bCambio = pCircuito->Funcion(abValor.data());
    EstadosDesdeValores();
}

void Componente::Transmite() {
    for (int i = 1; i <= nPines; ++i) {
        Puerto* casilla = apCasilla[static_cast<std::size_t>(i)];
        if (casilla != nullptr && acTipo[static_cast<std::size_t>(i)] == 'S')
            casilla->Estado(ConFallo(i, acEstado[static_cast<std::size_t>(i)]));
    }
}

void Componente::TransmiteTipos() {
    for (int i = 1; i <= nPines; ++i) {
        Puerto* casilla = apCasilla[static_cast<std::size_t>(i)];
        if (casilla != nullptr && acTipo[static_cast<std::size_t>(i)] == 'S') casilla->Tipo('S');
    }
}

void Componente::Reinicia() {
    if (pCircuito == nullptr) return;
    abValor.fill(false);
    pCircuito->EstadoInicial(abValor.data());
    EstadosDesdeValores();
}

void Componente::Fallo(int i, char f) {
    if (EsEntradaValida(i) && i <= nPines) acFallo[static_cast<std::size_t>(i)] = f;
}

char Componente::Fallo(int i) const {
    return EsEntradaValida(i) ? acFallo[static_cast<std::size_t>(i)] : '\0';
}

char Componente::ConFallo(int i, char estado) const {
    switch (acFallo[static_cast<std::size_t>(i)]) {
        case '0': return '0';
        case '1': return '1';
        case 'A': return 'Z';
        default: return estado;
    }
}

void Componente::Dibuja(Lienzo& lienzo) const {
    if (!bmpImagen.EsValida() || !bmpMascara.EsValida()) return;
    const int x = ptUbicacion.x;
    const int y = ptUbicacion.y;
    lienzo.CopiaImagen(bmpMascara, x, y, wImagen, hImagen, ModoDeCopia::Y);
    lienzo.CopiaImagen(bmpImagen, x, y, wImagen, hImagen, ModoDeCopia::O);
    if (bEtiqueta) {
        lienzo.Texto(x + kPosicionDeEtiqueta.x, y + kPosicionDeEtiqueta.y, EtiquetaDeChip(lCodigo),
                     kGrisDeEtiqueta, true);
    }
}

}  // namespace velistra
