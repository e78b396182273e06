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

}  // namespace

// Between two holes the chip is on the breadboard all the same, only not where it plugs in.
bool Mesa::SobreUnaProtoboard(Punto punto) const {
    for (const auto& t : tablero) {
        if (DescripcionDe(*t).admiteChips && punto.x >= t->EsquinaX() && punto.y >= t->EsquinaY() &&
            punto.x < t->EsquinaX() + t->Anchura() && punto.y < t->EsquinaY() + t->Altura())
            return true;
    }
    return false;
}

Rechazo Mesa::MotivoParaInsertar(Componente& chip) {
    const Punto punto{chip.Ubicacion().x + chip.Desplazamiento().x,
                      chip.Ubicacion().y + chip.Desplazamiento().y};
    const PuertoEnLaMesa bajo = PuertoEn(punto.x, punto.y);
    pCasilla = bajo.puerto;
    if (pCasilla == nullptr && SobreUnaProtoboard(punto)) return Rechazo::SinCanalCentral;
    if (pCasilla == nullptr || !DescripcionDe(*bajo.tablero).admiteChips)
        return Rechazo::FueraDeLaProtoboard;
    tableroProtoboard = bajo.tablero;
    if (!EsCodigoDeChip(chip.Codigo())) return Rechazo::Ninguno;

    const int n = chip.NumeroDePines();
    const int k = pCasilla->Indice() / kFilasPorColumna;
    if (pCasilla->Indice() % kFilasPorColumna != kFilasPorColumna - 1 || k >= kColumnas)
        return Rechazo::SinCanalCentral;
    if (k > kColumnas - n / 2) return Rechazo::PasaLaUltimaColumna;
    const char* tipos = chip.TiposDePines();
    for (int j = 1; j <= n / 2; ++j) {
        const Puerto* arriba = HoyoSuperior(*tableroProtoboard, k + j - 1);
        const Puerto* abajo = HoyoInferior(*tableroProtoboard, k + j - 1);
        if (arriba == nullptr || abajo == nullptr) return Rechazo::PasaLaUltimaColumna;
        for (const auto& [hoyo, tipo] :
             {std::pair{arriba, tipos[n - j + 1]}, std::pair{abajo, tipos[j]}}) {
            const Rechazo r = MotivoDelHoyo(*hoyo, tipo);
            if (r != Rechazo::Ninguno) return r;
        }
    }
    return Rechazo::Ninguno;
}

void Mesa::OcupaComponente(Componente& chip) {
    if (!EsCodigoDeChip(chip.Codigo()) || pCasilla == nullptr || tableroProtoboard == nullptr) return;
    const int n = chip.NumeroDePines();
    const int k = pCasilla->Indice() / kFilasPorColumna;
    const char* tipos = chip.TiposDePines();
    auto asienta = [&](Puerto* hoyo, int pinDelChip) {
        hoyo->Conecta(pin);
        chip.AsignaCasilla(hoyo, pinDelChip);
        if (tipos[pinDelChip] == 'S') MarcaColumna(*hoyo, 'S');
    };
    for (int j = 1; j <= n / 2; ++j) {
        asienta(HoyoSuperior(*tableroProtoboard, k + j - 1), n - j + 1);
        asienta(HoyoInferior(*tableroProtoboard, k + j - 1), j);
    }
    // Snap so that the plug point falls one pixel left of the hole's centre.
    chip.UbicaEn({tableroProtoboard->CentroX() - chip.Desplazamiento().x - 1,
                  tableroProtoboard->CentroY() - chip.Desplazamiento().y});
}

void Mesa::DesocupaComponente(Componente& chip) {
    if (!EsCodigoDeChip(chip.Codigo()) || !chip.EstaInsertado()) return;
    const int n = chip.NumeroDePines();
    pCasilla = chip.DireccionDeCasilla(n);
    if (pCasilla == nullptr) return;
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
}

Rechazo Mesa::IntentaEnchufar(Componente& chip) {
    Puerto* const casilla = pCasilla;
    Tablero* const protoboard = tableroProtoboard;
    const Rechazo motivo = MotivoParaInsertar(chip);
    if (motivo != Rechazo::Ninguno) {
        pCasilla = casilla;
        tableroProtoboard = protoboard;
        return motivo;
    }
    OcupaComponente(chip);
    chip.NumeroDeProtoboard(tableroProtoboard->Identificador());
    chip.Inserta();
    return Rechazo::Ninguno;
}

void Mesa::OlvidaCasillaDe(const Tablero& t) {
    if (tableroProtoboard != &t) return;
    tableroProtoboard = nullptr;
    pCasilla = nullptr;
}

PuertoEnLaMesa Mesa::PuertoEn(int xPunto, int yPunto) {
    for (auto& t : tablero) {
        if (Puerto* p = t->PuertoEn(xPunto, yPunto)) return {p, t.get()};
    }
    return {};
}

}  // namespace velistra
