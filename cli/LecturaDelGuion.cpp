#include "cli/LecturaDelGuion.h"

#include <array>
#include <istream>
#include <ostream>

#include "cli/Textos.h"
#include "plataforma/ArchivoDeEntrada.h"

namespace velistra::consola {

namespace {

// Held in memory: a line that runs past the size limit is read to its end, so that it is
// told as a script read line by line tells it.
constexpr std::size_t kEnMemoria = kTamanoMaximoDeGuion + kLargoMaximoDeLinea + 1;

void Dice(std::ostream& errores, const std::string& porque) {
    errores << "velistra-cli: " << porque << '\n';
}

std::string Nombre(const std::string& ruta) { return "«" + ruta + "»"; }

std::string LeeEntrada(std::istream& entrada) {
    std::string texto;
    std::array<char, 1 << 16> bloque;
    while (texto.size() <= kEnMemoria && entrada.read(bloque.data(), bloque.size()).gcount() > 0)
        texto.append(bloque.data(), static_cast<std::size_t>(entrada.gcount()));
    return texto;
}

}  // namespace

std::optional<GuionDeLaEjecucion> GuionDeLaEjecucion::Abre(
    const std::optional<std::string>& archivo, std::istream& entrada, std::ostream& errores) {
    GuionDeLaEjecucion guion;
    guion.ruta = archivo;
    if (!archivo) {
        guion.texto = LeeEntrada(entrada);
        if (!entrada.bad()) return guion;
        guion.DiQueNoSeLee(errores);
        return std::nullopt;
    }
    guion.archivo = std::make_unique<sistema::ArchivoDeEntrada>(*archivo);
    sistema::Lectura lectura = guion.archivo->Apertura();
    if (lectura == sistema::Lectura::Leido && guion.archivo->EsRegular()) return guion;
    if (lectura == sistema::Lectura::Leido) {
        sistema::ArchivoLeido leido = guion.archivo->LeeTodo(kEnMemoria);
        guion.archivo.reset();
        guion.texto = std::move(leido.texto);
        lectura = leido.resultado;
    }
    switch (lectura) {
        case sistema::Lectura::Leido: return guion;
        case sistema::Lectura::NoSeAbre:
            Dice(errores, Di(Texto::GuionQueNoSeAbre, {Nombre(*archivo)}));
            break;
        case sistema::Lectura::NoEsRegular:
            Dice(errores, Di(Texto::GuionNoNormal, {Nombre(*archivo)}));
            break;
        case sistema::Lectura::FalloAlLeer:
            guion.DiQueNoSeLee(errores);
            break;
    }
    return std::nullopt;
}

GuionDeLaEjecucion::GuionDeLaEjecucion(GuionDeLaEjecucion&&) noexcept = default;
GuionDeLaEjecucion::~GuionDeLaEjecucion() = default;

LectorDeGuion GuionDeLaEjecucion::Lector(std::optional<std::size_t> tope) {
    if (!archivo) return LectorDeGuion(FuenteEnMemoria(texto), kTamanoMaximoDeGuion);
    sistema::ArchivoDeEntrada* leido = archivo.get();
    const bool alPrincipio = leido->Rebobina();
    return LectorDeGuion(
        [leido, alPrincipio](char* destino, std::size_t n) {
            return alPrincipio ? leido->Lee(destino, n) : -1L;
        },
        tope);
}

void GuionDeLaEjecucion::DiQueNoSeLee(std::ostream& errores) const {
    Dice(errores, ruta ? Di(Texto::GuionIlegible, {Nombre(*ruta)})
                       : Di(Texto::GuionDeLaEntradaIlegible));
}

std::optional<Guion> LeeGuionDeLaEjecucion(const std::optional<std::string>& archivo,
                                           std::istream& entrada, std::ostream& errores) {
    std::optional<GuionDeLaEjecucion> abierto = GuionDeLaEjecucion::Abre(archivo, entrada, errores);
    if (!abierto) return std::nullopt;
    LectorDeGuion lector = abierto->Lector(kTamanoMaximoDeGuion);
    Guion guion = TodasLasOrdenes(lector);
    if (!guion.ilegible) return guion;
    abierto->DiQueNoSeLee(errores);
    return std::nullopt;
}

}  // namespace velistra::consola
