#include "sesion/Historial.h"

#include <sstream>
#include <utility>

#include "persistencia/ArchivoDeCircuito.h"
#include "simulacion/Mesa.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

FotoDeMesa Fotografia(const Mesa& mesa) {
    FotoDeMesa foto{TextoDeCircuito(mesa), {}, mesa.cables().Color()};
    for (const auto& t : mesa.tablero()) t->AnotaEstadoSinArchivo(foto.enlaces);
    return foto;
}

bool Restaura(Mesa& mesa, const FotoDeMesa& foto) {
    std::istringstream texto(foto.circuito);
    if (LeeCircuito(mesa, texto) != ResultadoDeLectura::Correcto) return false;
    mesa.cables().Color(foto.colorDeCable);
    std::size_t k = 0;
    for (auto& t : mesa.tablero()) t->RecuperaEstadoSinArchivo(foto.enlaces, k);
    return true;
}

PalancasDeLaMesa Palancas(const Mesa& mesa) {
    PalancasDeLaMesa palancas;
    for (const auto& t : mesa.tablero()) {
        const int n = DescripcionDe(*t).palancas;
        if (n == 0) continue;
        PalancasDeLaMesa::DeUnTablero tablero{t->Identificador(), t->Tipo(), {}};
        for (int i = 0; i < n; ++i) tablero.estados.push_back(t->EstadoDeEntrada(i));
        palancas.tableros.push_back(std::move(tablero));
    }
    return palancas;
}

void DevuelvePalancas(Mesa& mesa, const PalancasDeLaMesa& palancas) {
    for (const PalancasDeLaMesa::DeUnTablero& antes : palancas.tableros) {
        Tablero* t = mesa.TableroConIdentificador(antes.identificador);
        if (t == nullptr || t->Tipo() != antes.tipo) continue;
        for (int i = 0; i < static_cast<int>(antes.estados.size()); ++i) {
            if (t->EstadoDeEntrada(i) == antes.estados[static_cast<std::size_t>(i)]) continue;
            t->SeleccionaEntrada(i);
            t->Conmuta();
        }
    }
}

void Historial::Reinicia(FotoDeMesa foto) {
    fotos.clear();
    fotos.push_back(std::move(foto));
    actual = 0;
    guardado.reset();
}

void Historial::Registra(FotoDeMesa foto) {
    if (!fotos.empty() && fotos[actual] == foto) return;
    fotos.erase(fotos.begin() + static_cast<std::ptrdiff_t>(actual) + (fotos.empty() ? 0 : 1),
                fotos.end());
    fotos.push_back(std::move(foto));
    if (fotos.size() > kPasos + 1) fotos.pop_front();
    actual = fotos.size() - 1;
}

const FotoDeMesa* Historial::Deshace() {
    if (!PuedeDeshacer()) return nullptr;
    return &fotos[--actual];
}

const FotoDeMesa* Historial::Rehace() {
    if (!PuedeRehacer()) return nullptr;
    return &fotos[++actual];
}

void Historial::MarcaGuardado() {
    if (!fotos.empty()) guardado = fotos[actual].circuito;
}

bool Historial::EnLoGuardado() const {
    return guardado && !fotos.empty() && fotos[actual].circuito == *guardado;
}

}  // namespace velistra
