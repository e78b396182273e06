#include "sesion/Comandos.h"

#include "chips/Catalogo.h"
#include "chips/CircuitoElectronico.h"
#include "plataforma/Avisos.h"
#include "plataforma/Dialogos.h"
#include "plataforma/Textos.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/Mensajes.h"
#include "simulacion/Mesa.h"

namespace velistra {

namespace {

using textos::kTituloDeInformacion;
using namespace mensajes;

// A board the user adds from the menu; the bench's own boards are only shown.
const DescripcionDeTablero* TableroDelMenu(int id) {
    const DescripcionDeTablero* d = DescripcionPorComando(id);
    return d != nullptr && d->puestoFijo < 0 ? d : nullptr;
}

}  // namespace

Comandos::Comandos(Mesa& mesaDeLosComandos, Dialogos& dialogosDeLosComandos)
    : mesa(mesaDeLosComandos), dialogos(dialogosDeLosComandos), archivo(mesa, dialogos) {}

ResultadoDeComando Comandos::Ejecuta(int id) {
    switch (id) {
        case comandos::kNuevo: return Nuevo();
        case comandos::kRecuperar: return Recupera();
        case comandos::kAlmacenar: Almacena(); return {};
        case comandos::kAlmacenarEn: AlmacenaEn(); return {};
        case comandos::kColorDeCable:
            mesa.cables().Color(dialogos);
            return {.repintar = true};
        case comandos::kAyuda: return {.mostrarAyuda = true};
        case comandos::kSalir: return {.cerrar = true};
        case comandos::kTemporizador:
            if (!mesa.MuestraTemporizador()) return {};
            bModificado = true;
            return {.repintar = true};
        default: break;
    }
    if (const DescripcionDeTablero* d = TableroDelMenu(id))
        return AgregaTablero(d->tipo, !d->tutorial);
    // Any code of the catalogue: a chip added to it is never left out.
    if (FichaDeCatalogo(id) != nullptr) return AgregaChip(id);
    return {};
}

bool Comandos::Conoce(int id) {
    switch (id) {
        case comandos::kNuevo:
        case comandos::kRecuperar:
        case comandos::kAlmacenar:
        case comandos::kAlmacenarEn:
        case comandos::kColorDeCable:
        case comandos::kAyuda:
        case comandos::kSalir:
        case comandos::kTemporizador:
            return true;
        default: break;
    }
    if (TableroDelMenu(id) != nullptr) return true;
    return FichaDeCatalogo(id) != nullptr;
}

ResultadoDeComando Comandos::AgregaTablero(int tipo, bool modifica) {
    if (mesa.AgregaTablero(tipo) == nullptr) return {};
    // A PLA board is a tutorial aside, not part of the circuit.
    if (modifica) bModificado = true;
    return {.repintar = true};
}

ResultadoDeComando Comandos::AgregaChip(int codigo) {
    if (ChipTTL(codigo) == nullptr) return {};
    // A loose chip is saved like a plugged one: dropping it unasked would lose it.
    mesa.componentes().Nuevo(codigo);
    bModificado = true;
    return {.repintar = true};
}

bool Comandos::RechazaEncendido(const char* texto) {
    if (!mesa.bON()) return false;
    mesa.avisos().Muestra(texto, kTituloDeInformacion, Icono::Error);
    return true;
}

bool Comandos::PreguntaSiGuardar() {
    if (!bModificado) return true;
    switch (mesa.avisos().Pregunta(kPreguntaDeGuardar, kTituloDePregunta)) {
        case Respuesta::Cancelar: return false;
        case Respuesta::No: return true;
        case Respuesta::Si: break;
    }
    if (bEsNuevo) {
        if (!archivo.GuardaCircuitoComo()) {
            mesa.avisos().Muestra(kErrorDeGrabacion, kTituloDeInformacion, Icono::Error);
            return false;
        }
    } else if (!archivo.GuardaCircuito()) {
        mesa.avisos().Muestra(kErrorDeAlmacenamiento, kTituloDeInformacion, Icono::Error);
        return false;
    }
    // The circuit is in its file now, whatever the command that asked goes on to do.
    bModificado = false;
    bEsNuevo = false;
    return true;
}

ResultadoDeComando Comandos::Nuevo() {
    if (RechazaEncendido(kApagueAntesDeNuevo)) return {};
    if (bEsNuevo && !bModificado) return {};
    if (!PreguntaSiGuardar()) return {};
    mesa.LimpiaMesa();
    mesa.InicializaMesa();
    bEsNuevo = true;
    bModificado = false;
    ++reemplazos;
    archivo.Titulo(kTituloDeNuevo);
    return {.repintar = true};
}

template <typename Carga>
ResultadoDeComando Comandos::Abre(Carga carga) {
    if (RechazaEncendido(kApagueAntesDeRecuperar)) return {};
    if (!PreguntaSiGuardar()) return {};
    if (!carga()) return {};
    ++reemplazos;
    bModificado = false;
    bEsNuevo = false;
    return {.repintar = true};
}

ResultadoDeComando Comandos::Recupera() {
    return Abre([this] { return archivo.RecuperaCircuito(); });
}

ResultadoDeComando Comandos::RecuperaArchivo(const std::string& ruta) {
    return Abre([this, &ruta] { return archivo.RecuperaCircuitoDe(ruta); });
}

bool Comandos::RecuperaCopia(const std::string& copia, const std::string& nombre) {
    if (!archivo.RecuperaCopia(copia, nombre)) return false;
    ++reemplazos;
    bModificado = true;
    bEsNuevo = nombre.empty();
    return true;
}

void Comandos::Almacena() {
    if (bEsNuevo) {
        AlmacenaEn();
    } else if (bModificado) {
        if (archivo.GuardaCircuito())
            bModificado = false;
        else
            mesa.avisos().Muestra(kErrorDeAlmacenamiento, kTituloDeInformacion, Icono::Error);
    }
}

void Comandos::AlmacenaEn() {
    if (archivo.GuardaCircuitoComo()) {
        bModificado = false;
        bEsNuevo = false;
    } else {
        mesa.avisos().Muestra(kErrorDeGrabacion, kTituloDeInformacion, Icono::Error);
    }
}

bool Comandos::PuedeCerrar() {
    if (RechazaEncendido(kApagueAntesDeSalir)) return false;
    if (!PreguntaSiGuardar()) return false;
    mesa.LimpiaMesa();
    return true;
}

bool Comandos::Tic() { return mesa.Temporiza(); }

}  // namespace velistra
