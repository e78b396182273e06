#include <cstddef>
#include <utility>

#include "modelo/Componente.h"
#include "simulacion/Mesa.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

namespace {

// Breadboard layout a chip straddles: upper terminal area holes are 5k + r, lower ones
// 320 + 5k + r; row 4 above faces row 0 below across the centre channel.
constexpr int kFilasPorColumna = 5;
constexpr int kInicioAreaInferior = 320;
constexpr int kColumnas = 64;

bool EsCodigoDeChip(long codigo) { return codigo >= 7000 && codigo <= 7999; }

Puerto* HoyoSuperior(Tablero& protoboard, int columna) {
    return protoboard.DireccionDePuerto(kFilasPorColumna * columna + kFilasPorColumna - 1);
}

Puerto* HoyoInferior(Tablero& protoboard, int columna) {
    return protoboard.DireccionDePuerto(kInicioAreaInferior + kFilasPorColumna * columna);
}

// The hole may not take an output pin when its strip is already driven.
Rechazo MotivoDelHoyo(const Puerto& hoyo, char tipoDePin) {
    if (!hoyo.EstaLibre()) return Rechazo::HuecoOcupado;
    if (tipoDePin == 'S' && EsTipoQueExcita(hoyo.Tipo())) return Rechazo::SalidaSobreTiraExcitada;
    return Rechazo::Ninguno;
}

// Marks every hole of `hoyo`'s column with `tipo` as its own type and spreads it.
void MarcaColumna(Puerto& hoyo, char tipo) {
    Puerto* primero = &hoyo - hoyo.NumeroDeAnteriores();
    Puerto* ultimo = &hoyo + hoyo.NumeroDeSiguientes();
    for (Puerto* p = primero; p <= ultimo; ++p) p->TipoOriginal(tipo);
    hoyo.Tipo(tipo);
}

// Whether every pin of the chip finds a hole fit for it, the hole under its plug point
// being `casilla` on `protoboard`.
Rechazo MotivoDeLasCasillas(const Componente& chip, const Puerto& casilla, Tablero& protoboard) {
    if (!EsCodigoDeChip(chip.Codigo())) return Rechazo::Ninguno;
    const int n = chip.NumeroDePines();
    const int k = casilla.Indice() / kFilasPorColumna;
    if (casilla.Indice() % kFilasPorColumna != kFilasPorColumna - 1 || k >= kColumnas)
        return Rechazo::SinCanalCentral;
    if (k > kColumnas - n / 2) return Rechazo::PasaLaUltimaColumna;
    const char* tipos = chip.TiposDePines();
    for (int j = 1; j <= n / 2; ++j) {
        const Puerto* arriba = HoyoSuperior(protoboard, k + j - 1);
        const Puerto* abajo = HoyoInferior(protoboard, k + j - 1);
        if (arriba == nullptr || abajo == nullptr) return Rechazo::PasaLaUltimaColumna;
        for (const auto& [hoyo, tipo] :
             {std::pair{arriba, tipos[n - j + 1]}, std::pair{abajo, tipos[j]}}) {
            const Rechazo r = MotivoDelHoyo(*hoyo, tipo);
            if (r != Rechazo::Ninguno) return r;
        }
    }
    return Rechazo::Ninguno;
}

}  // namespace

// Between two holes the chip is on the breadboard all the same, only not where it plugs in.
bool Mesa::SobreUnaProtoboard(Punto punto) const {
    for (const auto& t : tablero_) {
        if (DescripcionDe(*t).admiteChips && punto.x >= t->EsquinaX() && punto.y >= t->EsquinaY() &&
            punto.x < t->EsquinaX() + t->Anchura() && punto.y < t->EsquinaY() + t->Altura())
            return true;
    }
    return false;
}

Rechazo Mesa::MotivoParaInsertar(Componente& chip, LugarDelChip* lugar) {
    const Punto punto{chip.Ubicacion().x + chip.Desplazamiento().x,
                      chip.Ubicacion().y + chip.Desplazamiento().y};
    const PuertoEnLaMesa bajo = PuertoEn(punto.x, punto.y);
    Puerto* const pCasilla = bajo.puerto;
    if (pCasilla == nullptr && SobreUnaProtoboard(punto)) return Rechazo::SinCanalCentral;
    if (pCasilla == nullptr || !DescripcionDe(*bajo.tablero).admiteChips)
        return Rechazo::FueraDeLaProtoboard;
    Tablero& protoboard = *bajo.tablero;
    const Rechazo motivo = MotivoDeLasCasillas(chip, *pCasilla, protoboard);
    if (motivo == Rechazo::Ninguno && lugar != nullptr) *lugar = {pCasilla, &protoboard};
    return motivo;
}

void Mesa::OcupaComponente(Componente& chip, const LugarDelChip& lugar) {
    if (!EsCodigoDeChip(chip.Codigo()) || lugar.pCasilla == nullptr || lugar.tableroProtoboard == nullptr)
        return;
    Tablero& protoboard = *lugar.tableroProtoboard;
    const int n = chip.NumeroDePines();
    const int k = lugar.pCasilla->Indice() / kFilasPorColumna;
    const char* tipos = chip.TiposDePines();
    auto asienta = [&](Puerto* hoyo, int pinDelChip) {
        hoyo->Conecta(pin_);
        chip.AsignaCasilla(hoyo, pinDelChip);
        if (tipos[pinDelChip] == 'S') MarcaColumna(*hoyo, 'S');
    };
    for (int j = 1; j <= n / 2; ++j) {
        asienta(HoyoSuperior(protoboard, k + j - 1), n - j + 1);
        asienta(HoyoInferior(protoboard, k + j - 1), j);
    }
    HayNuevasConexiones();
    // Snap so that the plug point falls one pixel left of the hole's centre.
    chip.UbicaEn({protoboard.CentroX() - chip.Desplazamiento().x - 1,
                  protoboard.CentroY() - chip.Desplazamiento().y});
}

void Mesa::DesocupaComponente(Componente& chip) {
    if (!EsCodigoDeChip(chip.Codigo()) || !chip.EstaInsertado()) return;
    const int n = chip.NumeroDePines();
    if (chip.DireccionDeCasilla(n) == nullptr) return;
    const char* tipos = chip.TiposDePines();
    for (int i = 1; i <= n; ++i) {
        if (Puerto* hoyo = chip.DireccionDeCasilla(i)) hoyo->Desconecta();
    }
    for (int j = 1; j <= n / 2; ++j) {
        for (int pinDelChip : {n - j + 1, j}) {
            Puerto* hoyo = chip.DireccionDeCasilla(pinDelChip);
            if (hoyo != nullptr && tipos[pinDelChip] == 'S') MarcaColumna(*hoyo, 'F');
            chip.AsignaCasilla(nullptr, pinDelChip);
        }
    }
    HayNuevasConexiones();
}

Rechazo Mesa::IntentaEnchufar(Componente& chip, LugarDelChip* lugar) {
    LugarDelChip encontrado;
    const Rechazo motivo = MotivoParaInsertar(chip, &encontrado);
    if (motivo != Rechazo::Ninguno) return motivo;
    OcupaComponente(chip, encontrado);
    chip.NumeroDeProtoboard(encontrado.tableroProtoboard->Identificador());
    chip.Inserta();
    if (lugar != nullptr) *lugar = encontrado;
    return Rechazo::Ninguno;
}

PuertoEnLaMesa Mesa::PuertoEn(int xPunto, int yPunto) {
    for (auto& t : tablero_) {
        if (Puerto* p = t->PuertoEn(xPunto, yPunto)) return {p, t.get()};
    }
    return {};
}

}  // namespace velistra
