#include "sesion/Recuperacion.h"

#include <atomic>

#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/CatalogoDeTextos.h"
#include "sesion/Comandos.h"
#include "simulacion/Mesa.h"

namespace velistra {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefijo = "recuperacion-";
constexpr const char* kCircuito = ".txt";
constexpr const char* kNombre = ".nombre";
constexpr const char* kCerrojo = ".cerrojo";

std::string LeeNombre(const fs::path& ruta) {
    const sistema::ArchivoLeido leido = sistema::LeeArchivoRegular(ruta.string(), 4096);
    return leido.resultado == sistema::Lectura::Leido ? leido.texto : std::string();
}

// Every file of the copy `base`, the temporaries of a write cut short included; its lock
// last, while it is still held.
void BorraCopia(const fs::path& carpeta, const std::string& base) {
    std::error_code error;
    fs::remove(carpeta / (base + kCircuito), error);
    fs::remove(carpeta / (base + kNombre), error);
    const std::string temporal = "." + base + ".";
    for (const auto& entrada : fs::directory_iterator(carpeta, error)) {
        if (entrada.path().filename().string().starts_with(temporal))
            fs::remove(entrada.path(), error);
    }
    fs::remove(carpeta / (base + kCerrojo), error);
}

}  // namespace

Recuperacion::Recuperacion(fs::path carpetaDeDatos) : carpeta(std::move(carpetaDeDatos)) {
    std::error_code error;
    fs::create_directories(carpeta, error);
    // The start time besides the process number: a number used again after a crash
    // never names the copy of the program that had it before. The count keeps apart
    // several in one process (the tests).
    static std::atomic<int> cuenta{0};
    const auto inicio = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    base = std::string(kPrefijo) + std::to_string(sistema::Proceso()) + "-" +
           std::to_string(inicio.count()) + "-" + std::to_string(cuenta++);
    cerrojo = sistema::Cerrojo((carpeta / (base + kCerrojo)).string());
}

Recuperacion::~Recuperacion() {
    if (!cerrojo.Tomado()) return;
    std::error_code error;
    if (textoEscrito)
        fs::remove(carpeta / (base + kCerrojo), error);
    else
        BorraCopia(carpeta, base);
}

fs::path Recuperacion::Circuito() const { return carpeta / (base + kCircuito); }
fs::path Recuperacion::Nombre() const { return carpeta / (base + kNombre); }

std::optional<CopiaPendiente> Recuperacion::Pendiente() {
    pendiente.reset();
    cerrojoPendiente.Suelta();
    std::error_code error;
    for (const auto& entrada : fs::directory_iterator(carpeta, error)) {
        const fs::path ruta = entrada.path();
        const std::string otra = ruta.stem().string();
        if (!otra.starts_with(kPrefijo) || otra == base) continue;
        const bool esCircuito = ruta.extension() == kCircuito;
        if (!esCircuito && ruta.extension() != kCerrojo) continue;
        sistema::Cerrojo suyo((carpeta / (otra + kCerrojo)).string());
        // Its program is still running, or another one is offering it right now.
        if (!suyo.Tomado()) continue;
        if (!fs::exists(carpeta / (otra + kCircuito), error)) {
            // A program that ended before it had anything to keep.
            BorraCopia(carpeta, otra);
            continue;
        }
        pendiente = CopiaPendiente{carpeta / (otra + kCircuito), LeeNombre(carpeta / (otra + kNombre))};
        cerrojoPendiente = std::move(suyo);
        return pendiente;
    }
    return std::nullopt;
}

Mensaje Recuperacion::MensajeDeOferta(const CopiaPendiente& copia) {
    if (copia.archivo.empty())
        return VELISTRA_TEXTO(
            "El programa se cerró sin guardar el nuevo circuito. ¿Recuperar el circuito o "
            "descartarlo?");
    return Mensaje(VELISTRA_TEXTO("El programa se cerró sin guardar los cambios del circuito %1. "
                                  "¿Recuperar los cambios o descartarlos?"),
                   {Mensaje::Literal(copia.archivo)});
}

std::string Recuperacion::Oferta(const CopiaPendiente& copia) {
    return Formatea(MensajeDeOferta(copia), Idioma::Espanol);
}

bool Recuperacion::Recupera(Mesa& mesa, Comandos& comandos) {
    if (!pendiente) return false;
    if (!comandos.RecuperaCopia(pendiente->circuito.string(), pendiente->archivo)) {
        pendiente.reset();
        cerrojoPendiente.Suelta();
        return false;
    }
    // Kept under this program's name before the old copy goes.
    if (Escribe(TextoDeCircuito(mesa), pendiente->archivo)) Descarta();
    return true;
}

void Recuperacion::Descarta() {
    if (pendiente) BorraCopia(carpeta, pendiente->circuito.stem().string());
    pendiente.reset();
    cerrojoPendiente.Suelta();
}

void Recuperacion::Revisa(const Mesa& mesa, const Comandos& comandos, Instante ahora) {
    if (!cerrojo.Tomado() || mesa.EstaAsentando()) return;
    if (!comandos.Modificado()) {
        if (textoEscrito) Borra();
        return;
    }
    if (ultimaRevision && ahora - *ultimaRevision < kIntervalo) return;
    ultimaRevision = ahora;
    std::string texto = TextoDeCircuito(mesa);
    if (texto == textoEscrito && comandos.Archivo() == nombreEscrito) return;
    Escribe(texto, comandos.Archivo());
}

void Recuperacion::Actualiza(const Mesa& mesa, const Comandos& comandos) {
    ultimaRevision.reset();
    Revisa(mesa, comandos, std::chrono::steady_clock::now());
}

bool Recuperacion::Escribe(const std::string& texto, const std::string& archivo) {
    if (!cerrojo.Tomado()) return false;
    // The name first: a copy is never read with the name of another circuit.
    if ((!textoEscrito || archivo != nombreEscrito) &&
        !GuardaTextoEnArchivo(archivo, Nombre().string()))
        return false;
    nombreEscrito = archivo;
    if (!GuardaTextoEnArchivo(texto, Circuito().string())) return false;
    textoEscrito = texto;
    return true;
}

void Recuperacion::Borra() {
    std::error_code error;
    fs::remove(Circuito(), error);
    fs::remove(Nombre(), error);
    textoEscrito.reset();
}

void Recuperacion::Termina() {
    Descarta();
    if (!cerrojo.Tomado()) return;
    BorraCopia(carpeta, base);
    cerrojo.Suelta();
}

}  // namespace velistra
