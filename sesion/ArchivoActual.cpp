#include "sesion/ArchivoActual.h"

#include <optional>
#include <vector>

#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/Avisos.h"
#include "plataforma/Dialogos.h"
#include "plataforma/Textos.h"
#include "plataforma/Traducible.h"
#include "sesion/Mensajes.h"
#include "simulacion/Mesa.h"

namespace velistra {

namespace {

using textos::kTituloDeArchivos;
using namespace mensajes;
constexpr const char* kExtension = "txt";

const std::vector<FiltroDeArchivos>& FiltrosParaGuardar() {
    static const std::vector<FiltroDeArchivos> filtros{
        {VELISTRA_TEXTO("Archivos conocidos (*.txt)"), "*.txt"},
        {VELISTRA_TEXTO("Todos los archivos (*.*)"), "*.*"},
    };
    return filtros;
}

const std::vector<FiltroDeArchivos>& FiltrosParaAbrir() {
    static const std::vector<FiltroDeArchivos> filtros{
        {VELISTRA_TEXTO("Archivos de circuitos (*.txt)"), "*.txt"},
        {VELISTRA_TEXTO("Todos los archivos (*.*)"), "*.*"},
    };
    return filtros;
}

}  // namespace

ArchivoActual::ArchivoActual(Mesa& mesaDelArchivo, Dialogos& dialogosDelArchivo)
    : mesa(mesaDelArchivo), dialogos(dialogosDelArchivo) {}

bool ArchivoActual::GuardaEn(const std::string& ruta) {
    if (!GuardaCircuitoEnArchivo(mesa, ruta)) {
        mesa.avisos().Muestra(kNoSeAlmacena, kTituloDeArchivos, Icono::Advertencia);
        return false;
    }
    szFile = ruta;
    titulo = ruta;
    return true;
}

bool ArchivoActual::GuardaCircuito() { return GuardaEn(szFile); }

bool ArchivoActual::GuardaCircuitoComo() {
    const std::optional<std::string> ruta = dialogos.NombreParaGuardar(FiltrosParaGuardar(), kExtension);
    if (!ruta || ruta->empty()) {
        mesa.avisos().Muestra(kNuevoNoAlmacenado, kTituloDeArchivos, Icono::Advertencia);
        return false;
    }
    return GuardaEn(*ruta);
}

bool ArchivoActual::RecuperaCircuito() {
    const std::optional<std::string> ruta = dialogos.NombreParaAbrir(FiltrosParaAbrir(), kExtension);
    if (!ruta || ruta->empty()) {
        mesa.avisos().Muestra(kErrorDeNombre, kTituloDeArchivos, Icono::Advertencia);
        return false;
    }
    return RecuperaCircuitoDe(*ruta);
}

bool ArchivoActual::RecuperaCircuitoDe(const std::string& ruta) {
    if (!Carga(ruta)) return false;
    szFile = ruta;
    titulo = ruta;
    return true;
}

bool ArchivoActual::RecuperaCopia(const std::string& copia, const std::string& nombre) {
    if (!Carga(copia)) return false;
    if (!nombre.empty()) {
        szFile = nombre;
        titulo = nombre;
    }
    return true;
}

bool ArchivoActual::Carga(const std::string& ruta) {
    switch (RecuperaCircuitoDeArchivo(mesa, ruta)) {
        case ResultadoDeLectura::Correcto:
            return true;
        case ResultadoDeLectura::VersionIncorrecta:
            mesa.avisos().MuestraMensaje(
                Mensaje(kSoloLaVersion, {Mensaje::Literal(kVersionDeArchivo)}), kTituloDeVersion,
                Icono::Advertencia);
            return false;
        case ResultadoDeLectura::NoSeAbre:
        case ResultadoDeLectura::Malformado:
            break;
    }
    mesa.avisos().Muestra(kErrorDeLectura, kTituloDeArchivos, Icono::Advertencia);
    return false;
}

}  // namespace velistra
