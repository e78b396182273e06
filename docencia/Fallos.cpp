#include "docencia/Fallos.h"

#include <filesystem>
#include <sstream>

#include "plataforma/Sistema.h"
#include "plataforma/Traducible.h"
#include "simulacion/Mesa.h"

namespace velistra::docencia {

namespace {

// A faults file names a handful of pins; anything bigger is not one.
constexpr std::size_t kTamanoMaximo = 1024 * 1024;

bool LeeNumero(std::istringstream& palabras, int& n) {
    std::string palabra;
    if (!(palabras >> palabra) || palabra.empty() || palabra.size() > 6) return false;
    for (const char c : palabra) {
        if (c < '0' || c > '9') return false;
    }
    n = std::stoi(palabra);
    return n >= 1;
}

std::optional<Fallo> LeeLinea(const std::string& linea, Mensaje& error) {
    std::istringstream palabras(linea);
    std::string orden;
    palabras >> orden;
    Fallo f;
    std::string estado;
    if (orden == "patilla") {
        if (!LeeNumero(palabras, f.numero) || !LeeNumero(palabras, f.patilla) || !(palabras >> estado)) {
            error = VELISTRA_TEXTO("se espera «patilla CHIP PATILLA 0|1|abierta»");
            return std::nullopt;
        }
        if (estado == "0") f.clase = Fallo::PatillaA0;
        else if (estado == "1") f.clase = Fallo::PatillaA1;
        else if (estado == "abierta") f.clase = Fallo::PatillaAbierta;
        else {
            error = VELISTRA_TEXTO("una patilla queda a 0, a 1 o abierta");
            return std::nullopt;
        }
    } else if (orden == "cable") {
        f.clase = Fallo::CableAbierto;
        if (!LeeNumero(palabras, f.numero) || !(palabras >> estado) || estado != "abierto") {
            error = VELISTRA_TEXTO("se espera «cable CABLE abierto»");
            return std::nullopt;
        }
    } else {
        error = VELISTRA_TEXTO("se espera patilla o cable");
        return std::nullopt;
    }
    std::string resto;
    if (palabras >> resto) {
        error = VELISTRA_TEXTO("sobra texto al final de la línea");
        return std::nullopt;
    }
    return f;
}

// Two faults on one pin or one wire contradict each other (or say it twice); the later
// one would silently win.
std::optional<Mensaje> Repetido(const std::vector<Fallo>& fallos, const Fallo& f) {
    const bool esCable = f.clase == Fallo::CableAbierto;
    for (const Fallo& otro : fallos) {
        if ((otro.clase == Fallo::CableAbierto) != esCable || otro.numero != f.numero ||
            otro.patilla != f.patilla)
            continue;
        if (esCable)
            return Mensaje(VELISTRA_TEXTO("el cable %1 ya tiene su fallo en la línea %2"),
                           {Mensaje::Entero(f.numero), Mensaje::Entero(otro.linea)});
        return Mensaje(VELISTRA_TEXTO("la patilla %1 del chip %2 ya tiene su fallo en la línea %3"),
                       {Mensaje::Entero(f.patilla), Mensaje::Entero(f.numero), Mensaje::Entero(otro.linea)});
    }
    return std::nullopt;
}

}  // namespace

FallosLeidos LeeFallos(const std::string& texto) {
    FallosLeidos leidos;
    // Editors on Windows start a text with a byte-order mark.
    std::istringstream lineas(texto.rfind("\xEF\xBB\xBF", 0) == 0 ? texto.substr(3) : texto);
    std::string linea;
    for (int n = 1; std::getline(lineas, linea); ++n) {
        if (const std::size_t c = linea.find('#'); c != std::string::npos) linea.erase(c);
        if (linea.find_first_not_of(" \t\r") == std::string::npos) continue;
        std::optional<Fallo> f = LeeLinea(linea, leidos.error);
        if (f) {
            if (std::optional<Mensaje> repetido = Repetido(leidos.fallos, *f)) {
                leidos.error = *repetido;
                f.reset();
            }
        }
        if (!f) {
            leidos.lineaErronea = n;
            return leidos;
        }
        f->linea = n;
        leidos.fallos.push_back(*f);
    }
    return leidos;
}

std::optional<Mensaje> CompruebaFallos(const Mesa& mesa, const std::vector<Fallo>& fallos,
                                       int& lineaErronea) {
    for (const Fallo& f : fallos) {
        lineaErronea = f.linea;
        if (f.clase == Fallo::CableAbierto) {
            if (static_cast<std::size_t>(f.numero) > mesa.cables().Lista().size())
                return Mensaje(VELISTRA_TEXTO("no existe el cable %1"),
                               {Mensaje::Entero(f.numero)});
            continue;
        }
        if (static_cast<std::size_t>(f.numero) > mesa.componentes().size())
            return Mensaje(VELISTRA_TEXTO("no existe el chip %1"), {Mensaje::Entero(f.numero)});
        if (f.patilla > mesa.componentes()[static_cast<std::size_t>(f.numero - 1)].NumeroDePines())
            return Mensaje(VELISTRA_TEXTO("el chip %1 no tiene la patilla %2"),
                           {Mensaje::Entero(f.numero), Mensaje::Entero(f.patilla)});
    }
    lineaErronea = 0;
    return std::nullopt;
}

std::optional<Mensaje> AplicaFallos(Mesa& mesa, const std::vector<Fallo>& fallos,
                                    int& lineaErronea) {
    // Everything is checked first, so a bad line plants nothing.
    if (std::optional<Mensaje> e = CompruebaFallos(mesa, fallos, lineaErronea)) return e;
    for (const Fallo& f : fallos) {
        if (f.clase == Fallo::CableAbierto) {
            const Cable& cable = mesa.cables().Lista()[static_cast<std::size_t>(f.numero - 1)];
            const PuertoEnLaMesa a = mesa.PuertoEn(cable.AX(), cable.AY());
            const PuertoEnLaMesa b = mesa.PuertoEn(cable.BX(), cable.BY());
            // Refused, changing nothing, when the two ends were never joined.
            mesa.DesconectaPuertos(a.puerto, b.puerto);
            continue;
        }
        const char marca = f.clase == Fallo::PatillaA0 ? '0' : f.clase == Fallo::PatillaA1 ? '1' : 'A';
        mesa.componentes()[static_cast<std::size_t>(f.numero - 1)].Fallo(f.patilla, marca);
    }
    return std::nullopt;
}

std::optional<ErrorDeFallos> LeeFallosDeArchivo(const std::string& ruta, std::vector<Fallo>& fallos) {
    const sistema::ArchivoLeido leido = sistema::LeeArchivoRegular(ruta, kTamanoMaximo);
    if (leido.resultado != sistema::Lectura::Leido || leido.texto.size() > kTamanoMaximo)
        return ErrorDeFallos{0, {}};
    FallosLeidos leidos = LeeFallos(leido.texto);
    if (leidos.lineaErronea != 0) return ErrorDeFallos{leidos.lineaErronea, leidos.error};
    fallos = std::move(leidos.fallos);
    return std::nullopt;
}

std::optional<ErrorDeFallos> PlantaFallosDeArchivo(Mesa& mesa, const std::string& ruta) {
    std::vector<Fallo> fallos;
    if (std::optional<ErrorDeFallos> e = LeeFallosDeArchivo(ruta, fallos)) return e;
    int linea = 0;
    if (std::optional<Mensaje> e = AplicaFallos(mesa, fallos, linea))
        return ErrorDeFallos{linea, *e};
    return std::nullopt;
}

std::string ArchivoDeFallosDe(const std::string& circuito) {
    return std::filesystem::path(circuito).replace_extension(".fallos").string();
}

}  // namespace velistra::docencia
