#include "tableros/TableroDeTemporizadores.h"

#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

TableroDeTemporizadores::TableroDeTemporizadores()
    : TableroDeTiras(kTemporizadores, kRelojes, kSalidas) {
    CreaSalidas(kRelojes, {}, {});
}

bool TableroDeTemporizadores::TieneSalidas() const {
    for (int i = 0; i < kTerminalesPorTira * kRelojes; ++i) {
        if (!pPuertos[static_cast<std::size_t>(i)].EstaLibre()) return true;
    }
    return false;
}

std::optional<Mensaje> TableroDeTemporizadores::NombreDeTerminal(int i) const {
    constexpr const char* kFrecuencias[kRelojes] = {"10 Hz", "5 Hz", "2 Hz", "1 Hz"};
    const int reloj = i / kTerminalesPorTira;
    if (i < 0 || reloj >= kRelojes) return std::nullopt;
    return Mensaje::Literal(kFrecuencias[reloj]);
}

Puerto* TableroDeTemporizadores::PuertoEn(int x, int y) {
    return bVisible ? TableroDeTiras::PuertoEn(x, y) : nullptr;
}

std::optional<Punto> TableroDeTemporizadores::CentroDePuerto(int i) const {
    return bVisible ? TableroDeTiras::CentroDePuerto(i) : std::nullopt;
}

void TableroDeTemporizadores::Dibuja(Lienzo& lienzo) {
    if (bVisible) DibujaFondo(lienzo);
}

void TableroDeTemporizadores::Transmite() { ExcitaSalidas(bSalidas); }

void TableroDeTemporizadores::Conmuta() {
    if (!EstaAlimentado()) {
        nContador = 0;
        ExcitaSalidas(bSalidas);
        return;
    }
    nContador = (nContador + 1) % kPasosPorCiclo;
    // Clock k flips every 1, 2, 5 and 10 steps: periods of 2, 4, 10 and 20 steps.
    constexpr int kPasosEntreCambios[kRelojes] = {1, 2, 5, 10};
    for (int k = 0; k < kRelojes; ++k) {
        unsigned char& nivel = bSalidas[static_cast<std::size_t>(k)];
        if (nContador % kPasosEntreCambios[k] == 0) nivel = nivel ? 0 : 1;
    }
    ExcitaSalidas(bSalidas);
}

bool TableroDeTemporizadores::MarcadorEn(int x, int y) {
    return bVisible && TableroDeTiras::MarcadorEn(x, y);
}

std::unique_ptr<Tablero> NuevoTableroDeTemporizadores() {
    return std::make_unique<TableroDeTemporizadores>();
}

}  // namespace velistra
