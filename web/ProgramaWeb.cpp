#include "web/ProgramaWeb.h"

#include <emscripten.h>

#include "plataforma/CatalogoDeTextos.h"
#include "sesion/LecturasDeLaMesa.h"
#include "simulacion/Rechazos.h"
#include "web/Traduccion.h"

namespace velistra {

namespace {

// The offer of a copy left behind, with its two buttons; true: recover it.
EM_ASYNC_JS(int, PreguntaSiRecupera, (const char* texto, const char* titulo, const char* recuperar,
                                      const char* descartar), {
    return await Module.velistra.avisos.elige(UTF8ToString(texto), UTF8ToString(titulo),
                                              [UTF8ToString(recuperar), UTF8ToString(descartar)]);
});

}  // namespace

ProgramaWeb::ProgramaWeb(const std::string& carpetaDeDatos, const std::string& carpetaDePinturas)
    : sesion(avisos, dialogos, &ventana), recuperacion(carpetaDeDatos) {
    pintura.Carga(carpetaDePinturas);
    // With a running timer the limit message would come back on every tick.
    sesion.AvisaUnaVezPorEncendido();
}

int ProgramaWeb::IzquierdoAbajo(int x, int y) {
    // A press clears the last refusal before the editor may give another.
    rechazo.clear();
    AnotaPuntero(x, y);
    return Atiende(sesion.BotonIzquierdoAbajo(x, y)) | kRepintar;
}

int ProgramaWeb::Mueve(int x, int y) {
    const std::optional<int> antes = puntero ? NodoEn(sesion, *puntero) : std::nullopt;
    AnotaPuntero(x, y);
    const std::optional<int> ahora = NodoEn(sesion, *puntero);
    int accion = Atiende(sesion.MueveRaton(x, y));
    if (ahora != antes) {
        // Another net: the reason for a refusal on the last one has been read.
        if (ahora) rechazo.clear();
        accion |= kRepintar;
    }
    return accion;
}

int ProgramaWeb::IzquierdoArriba(int x, int y) {
    AnotaPuntero(x, y);
    return Atiende(sesion.BotonIzquierdoArriba(x, y)) | kRepintar;
}

int ProgramaWeb::DerechoAbajo(int x, int y) {
    rechazo.clear();
    AnotaPuntero(x, y);
    return Atiende(sesion.BotonDerechoAbajo(x, y)) | kRepintar;
}

int ProgramaWeb::AlternaSeleccion(int x, int y) {
    AnotaPuntero(x, y);
    return Atiende(sesion.AlternaSeleccion(x, y)) | kRepintar;
}

int ProgramaWeb::Sale() {
    const bool estaba = puntero.has_value();
    puntero.reset();
    return estaba ? kRepintar : 0;
}

int ProgramaWeb::Ejecuta(int id) {
    dialogos.Propuesto(sesion.comandos.Archivo());
    return Atiende(sesion.Ejecuta(id));
}

bool ProgramaWeb::PuedeCerrar() {
    dialogos.Propuesto(sesion.comandos.Archivo());
    return sesion.PuedeCerrar();
}

int ProgramaWeb::AbreArchivo(const std::string& ruta) {
    // The save question before the load may save the old circuit.
    dialogos.Propuesto(sesion.comandos.Archivo());
    return Atiende(sesion.AbreArchivo(ruta));
}

int ProgramaWeb::Tic() {
    int accion = sesion.Tic() ? kRepintar : 0;
    RevisaCopia(recuperacion, sesion);
    if (ventana.TomaRepintado()) accion |= kRepintar;
    return accion;
}

int ProgramaWeb::OfreceRecuperacion() {
    while (const std::optional<CopiaPendiente> copia = recuperacion.Pendiente()) {
        const int recupera = PreguntaSiRecupera(
            Formatea(Recuperacion::MensajeDeOferta(*copia), IdiomaDeLaPagina()).c_str(),
            TextoDelNucleo(Recuperacion::kTitulo).c_str(),
            TextoDelNucleo(Recuperacion::kRecuperar).c_str(),
            TextoDelNucleo(Recuperacion::kDescartar).c_str());
        if (recupera != 0) {
            RecuperaCopia(recuperacion, sesion);
            break;
        }
        recuperacion.Descarta();
    }
    return kRepintar | kTitulo;
}

void ProgramaWeb::Termina() {
    if (!sesion.comandos.Modificado()) recuperacion.Termina();
}

void ProgramaWeb::AnotaPuntero(int x, int y) { puntero = Punto{x, y}; }

int ProgramaWeb::Atiende(const ResultadoDelRaton& resultado) {
    if (resultado.rechazo != velistra::Rechazo::Ninguno)
        rechazo = TextoDelNucleo(TextoDeRechazo(resultado.rechazo));
    int accion = 0;
    if (resultado.repintar || ventana.TomaRepintado()) accion |= kRepintar;
    if (resultado.modificado) accion |= kTitulo;
    if (resultado.puntero) {
        punteroPedido = *resultado.puntero;
        accion |= kMuevePuntero;
    }
    RevisaCopia(recuperacion, sesion);
    return accion;
}

int ProgramaWeb::Atiende(const ResultadoDeComando& resultado) {
    RevisaCopia(recuperacion, sesion);
    int accion = kTitulo;
    if (resultado.repintar || ventana.TomaRepintado()) accion |= kRepintar;
    if (resultado.mostrarAyuda) accion |= kMuestraAyuda;
    if (resultado.cerrar) accion |= kCierra;
    return accion;
}

}  // namespace velistra
