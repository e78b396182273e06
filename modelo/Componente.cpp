#include "modelo/Componente.h"

#include "chips/Catalogo.h"
#include "chips/CircuitoElectronico.h"
#include "modelo/Puerto.h"
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
    bPendiente = true;
}

// Pins and state bits must leave room for the zero byte after the last pin type.
void Componente::NumeroDePines(int n) {
    if (n >= 0 && n + nEstados <= kUltimaEntrada) nPines = n;
    ListaPines();
}

void Componente::NumeroDeEstados(int n) {
    if (n >= 0 && n + nPines <= kUltimaEntrada) nEstados = n;
    ListaNoLeidas();
}

void Componente::TiposDePines(const char* tipos) {
    if (tipos == nullptr) return;
    for (int i = 1; i <= nPines; ++i) acTipo[static_cast<std::size_t>(i)] = tipos[i];
    acTipo[static_cast<std::size_t>(nPines + 1)] = '\0';
    ListaPines();
}

void Componente::Estado(int i, char e) {
    if (!EsEntradaValida(i)) return;
    acEstado[static_cast<std::size_t>(i)] = e;
    abValor[static_cast<std::size_t>(i)] = e != '0';
    bPendiente = true;
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
    if (i < 0 || i >= kEntradas) return;
    apCasilla[static_cast<std::size_t>(i)] = casilla;
    ListaPines();
}

void Componente::ListaPines() {
    nLecturas = 0;
    nAlimentaciones = 0;
    nSalidas = 0;
    nLeidas = 0;
    bPendiente = true;
    bConFallos = TieneFallosEnLosPines();
    for (int i = 1; i <= nPines; ++i) {
        const auto u = static_cast<std::size_t>(i);
        if (apCasilla[u] == nullptr) continue;
        const char tipo = acTipo[u];
        if (tipo == 'V' || tipo == 'G')
            aiAlimentacion[static_cast<std::size_t>(nAlimentaciones++)] = static_cast<unsigned char>(nLecturas);
        if (tipo == 'E' || tipo == 'V' || tipo == 'G')
            aLectura[static_cast<std::size_t>(nLecturas++)] = {apCasilla[u], static_cast<unsigned char>(i), tipo, 'Z', 'F'};
        else if (tipo == 'S')
            aiSalida[static_cast<std::size_t>(nSalidas++)] = static_cast<unsigned char>(i);
    }
    ListaNoLeidas();
}

void Componente::ListaNoLeidas() {
    std::array<bool, kEntradas> leida{};
    for (int k = 0; k < nLecturas; ++k) leida[aLectura[static_cast<std::size_t>(k)].pin] = true;
    std::size_t n = 0;
    for (int i = 1; i <= nPines + nEstados; ++i) {
        if (!leida[static_cast<std::size_t>(i)]) aiNoLeida[n++] = static_cast<unsigned char>(i);
    }
    aiNoLeida[n] = 0;
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
    if (bConFallos || !HayTensionEnLasCasillas()) return LeeEnOrden();
    LeeEntradas();
    return true;
}

// Whether every supply and ground pin sits on a net of its own type; reads nothing else.
bool Componente::HayTensionEnLasCasillas() {
    for (int a = 0; a < nAlimentaciones; ++a) {
        Lectura& l = aLectura[aiAlimentacion[static_cast<std::size_t>(a)]];
        l.tipo = l.casilla->Tipo();
        if (l.tipo != l.tipoDePin) return false;
    }
    return true;
}

// The common case, a powered chip without faults: every read pin, without a test per pin.
void Componente::LeeEntradas() {
    // The end is taken once: the writes below are of chars, which could alias the count.
    const Lectura* fin = aLectura.data() + nLecturas;
    bool* valores = abValor.data();
    char* estados = acEstado.data();
    for (Lectura* l = aLectura.data(); l != fin; ++l) {
        l->estado = l->casilla->Estado();
        const bool valor = l->estado != '0';
        valores[l->pin] = valor;
        // Without a branch: levels come in no order a predictor could learn.
        estados[l->pin] = static_cast<char>('0' + static_cast<int>(valor));
    }
    nLeidas = nLecturas;
}

// Every other case, pin by pin, as far as the first supply or ground pin that fails.
bool Componente::LeeEnOrden() {
    for (int k = 0; k < nLecturas; ++k) {
        Lectura& l = aLectura[static_cast<std::size_t>(k)];
        const auto i = static_cast<std::size_t>(l.pin);
        const Puerto* casilla = l.casilla;
        l.estado = ConFallo(l.pin, casilla->Estado());
        acEstado[i] = l.estado;
        abValor[i] = l.estado != '0';
        if (l.tipoDePin == 'E') continue;
        l.tipo = casilla->Tipo();
        if (l.tipo != l.tipoDePin) {
            nLeidas = k + 1;
            return false;
        }
    }
    nLeidas = nLecturas;
    // Powered: the pins read show as levels, as LeeEntradas leaves them.
    for (int k = 0; k < nLecturas; ++k) {
        const auto i = static_cast<std::size_t>(aLectura[static_cast<std::size_t>(k)].pin);
        acEstado[i] = abValor[i] ? '1' : '0';
    }
    return true;
}

bool Componente::PideEvaluacion() const {
    if (bPendiente || bCambio) return pCircuito != nullptr;
    for (int k = 0; k < nLeidas; ++k) {
        const Lectura& l = aLectura[static_cast<std::size_t>(k)];
        const Puerto* casilla = l.casilla;
        if (ConFallo(l.pin, casilla->Estado()) != l.estado) return true;
        if (l.tipoDePin != 'E' && casilla->Tipo() != l.tipo) return true;
    }
    return false;
}

void Componente::EstadosDesdeValores() {
    for (int i = 1; i <= nPines + nEstados; ++i)
        acEstado[static_cast<std::size_t>(i)] = abValor[static_cast<std::size_t>(i)] ? '1' : '0';
}

// One entry at a time on purpose: the model has just written these as single bytes, and a
// wider read of them would wait for every one of those writes to land.
void Componente::EstadosNoLeidosDesdeValores() {
    for (const unsigned char* i = aiNoLeida.data(); *i != 0; ++i)
        acEstado[*i] = static_cast<char>('0' + static_cast<int>(abValor[*i]));
}

void Componente::ApagaSalidas() {
    for (int i = 1; i <= nPines; ++i) {
        const auto u = static_cast<std::size_t>(i);
        if (acTipo[u] != 'S') continue;
        acEstado[u] = '0';
        abValor[u] = false;
    }
}

void Componente::CalculaFunciones() {
    CalculaFuncionesCon([this](bool* valores) { return pCircuito->Funcion(valores); });
}

void Componente::Transmite() {
    for (int k = 0; k < nSalidas; ++k) {
        const auto i = static_cast<std::size_t>(aiSalida[static_cast<std::size_t>(k)]);
        apCasilla[i]->Estado(ConFallo(static_cast<int>(i), acEstado[i]));
    }
}

void Componente::TransmiteTipos() {
    for (int k = 0; k < nSalidas; ++k)
        apCasilla[static_cast<std::size_t>(aiSalida[static_cast<std::size_t>(k)])]->Tipo('S');
}

void Componente::Reinicia() {
    if (pCircuito == nullptr) return;
    abValor.fill(false);
    pCircuito->EstadoInicial(abValor.data());
    EstadosDesdeValores();
    bPendiente = true;
}

void Componente::Fallo(int i, char f) {
    if (!EsEntradaValida(i) || i > nPines) return;
    acFallo[static_cast<std::size_t>(i)] = f;
    bConFallos = TieneFallosEnLosPines();
    // The chip reads and drives that pin differently from now on.
    bPendiente = true;
}

bool Componente::TieneFallosEnLosPines() const {
    for (int i = 1; i <= nPines; ++i) {
        if (acFallo[static_cast<std::size_t>(i)] != '\0') return true;
    }
    return false;
}

char Componente::Fallo(int i) const {
    return EsEntradaValida(i) ? acFallo[static_cast<std::size_t>(i)] : '\0';
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
