#include "simulacion/AnalizadorLogico.h"

#include <algorithm>

#include "simulacion/Mesa.h"

namespace velistra {

char AnalizadorLogico::Lee(const Mesa& mesa, std::size_t c) {
    Enlace& e = enlaces[c];
    const CanalLogico& canal = canales[c];
    const bool vale = e.tablero != nullptr && e.indice < mesa.tablero().size() &&
                      mesa.tablero()[e.indice].get() == e.tablero && e.tablero->Identificador() == canal.tablero;
    if (!vale) {
        e = {};
        for (std::size_t i = 0; i < mesa.tablero().size(); ++i) {
            Tablero* t = mesa.tablero()[i].get();
            if (t->Identificador() != canal.tablero) continue;
            if (canal.puerto >= 0 && canal.puerto < t->NumeroDePuertos()) e = {i, t, t->DireccionDePuerto(canal.puerto)};
            break;
        }
    }
    // A board removed since keeps its channel, floating, until the user removes it.
    return e.puerto == nullptr ? 'Z' : e.puerto->Estado();
}

std::string AnalizadorLogico::NombreDePuerto(const Mesa& mesa, int tablero, int puerto) {
    const Tablero* t = mesa.TableroConIdentificador(tablero);
    return std::to_string(tablero) + ":" +
           (t != nullptr ? t->EtiquetaDePuerto(puerto) : std::to_string(puerto));
}

bool AnalizadorLogico::AnadeCanal(Mesa& mesa, int tablero, int puerto, std::string nombre) {
    if (canales.size() >= kMaximoDeCanales) return false;
    const bool repetido = std::any_of(canales.begin(), canales.end(), [&](const CanalLogico& c) {
        return c.tablero == tablero && c.puerto == puerto;
    });
    if (repetido) return false;
    if (nombre.empty()) nombre = NombreDePuerto(mesa, tablero, puerto);
    canales.push_back({tablero, puerto, std::move(nombre)});
    enlaces.emplace_back();
    ++nVersion;
    Muestrea(mesa);
    return true;
}

void AnalizadorLogico::QuitaCanal(int canal) {
    if (canal < 0 || canal >= static_cast<int>(canales.size())) return;
    canales.erase(canales.begin() + canal);
    enlaces.erase(enlaces.begin() + canal);
    // The columns after it move down one, in every sample kept.
    for (MuestraLogica& m : muestras) {
        std::copy(m.valores.begin() + canal + 1, m.valores.end(), m.valores.begin() + canal);
        m.valores.back() = MuestraLogica::kSinDato;
    }
    ++nVersion;
}

void AnalizadorLogico::RenombraCanal(int canal, std::string nombre) {
    if (canal < 0 || canal >= static_cast<int>(canales.size()) || nombre.empty()) return;
    canales[static_cast<std::size_t>(canal)].nombre = std::move(nombre);
    ++nVersion;
}

void AnalizadorLogico::Borra() {
    muestras.clear();
    iPrimera = nMuestras = 0;
    nTic = nPaso = 0;
    pausas.clear();
    if (bPausado) pausas.push_back({0, -1});
    ++nVersion;
}

void AnalizadorLogico::Pausa(bool pausado) {
    if (pausado == bPausado) return;
    bPausado = pausado;
    if (pausado) pausas.push_back({Ahora(), -1});
    else if (!pausas.empty()) pausas.back().hasta = Ahora();
    ++nVersion;
}

void AnalizadorLogico::Reinicia() {
    canales.clear();
    enlaces.clear();
    Borra();
}

void AnalizadorLogico::AvanzaTic() {
    ++nTic;
    nPaso = 0;
}

void AnalizadorLogico::Muestrea(Mesa& mesa) {
    if (bPausado || canales.empty()) return;
    MuestraLogica m;
    m.tiempo = Ahora();
    for (std::size_t c = 0; c < canales.size(); ++c) m.valores[c] = Lee(mesa, c);
    // More settlings than microseconds in a tick share its last one.
    if (nPaso < kMicrosegundosPorTic - 1) ++nPaso;
    Guarda(m);
}

void AnalizadorLogico::Guarda(const MuestraLogica& m) {
    if (muestras.size() < kMaximoDeMuestras) {
        muestras.push_back(m);
        ++nMuestras;
    } else {
        muestras[iPrimera] = m;
        iPrimera = (iPrimera + 1) % kMaximoDeMuestras;
    }
    ++nVersion;
}

std::size_t AnalizadorLogico::MuestraEn(std::int64_t tiempo) const {
    // Samples are in time order: the first one later than `tiempo`, and one back.
    std::size_t bajo = 0;
    std::size_t alto = nMuestras;
    while (bajo < alto) {
        const std::size_t medio = (bajo + alto) / 2;
        if (Muestra(medio).tiempo <= tiempo) bajo = medio + 1;
        else alto = medio;
    }
    return bajo == 0 ? nMuestras : bajo - 1;
}

}  // namespace velistra
