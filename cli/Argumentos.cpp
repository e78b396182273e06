#include "cli/Argumentos.h"

#include <algorithm>
#include <span>

#include "cli/Citas.h"
#include "cli/Textos.h"

namespace velistra::consola {

namespace {

struct Opcion {
    const char* nombre;
    // The option takes the next word as a file name.
    bool conArchivo;
};

constexpr Opcion kOpcionesDeSimular[] = {{"--guion", true}, {"--json", false}, {"--guardar", true},
                                       {"--fallos", true}, {"--vcd", true}};
constexpr Opcion kOpcionesDeTabla[] = {{"--csv", false}, {"--json", false}};

ArgumentosAnalizados Error(std::string mensaje) { return {std::nullopt, std::move(mensaje)}; }

const Opcion* BuscaOpcion(std::span<const Opcion> opciones, const std::string& nombre) {
    const auto it = std::find_if(opciones.begin(), opciones.end(),
                                 [&](const Opcion& o) { return nombre == o.nombre; });
    return it == opciones.end() ? nullptr : &*it;
}

// Stores what one option says; false when it cannot be taken (already given, or it
// contradicts another).
bool Aplica(Peticion& p, const std::string& nombre, const std::string& archivo,
            std::string& error) {
    auto fija = [&](std::optional<std::string>& campo) {
        if (campo) {
            error = Di(Texto::OpcionRepetida, {Cita(nombre)});
            return false;
        }
        campo = archivo;
        return true;
    };
    if (nombre == "--guion") return fija(p.guion);
    if (nombre == "--guardar") return fija(p.guardar);
    if (nombre == "--fallos") return fija(p.fallos);
    if (nombre == "--vcd") return fija(p.vcd);
    const Formato formato = nombre == "--csv" ? Formato::Csv : Formato::Json;
    if (p.formato == formato) {
        error = Di(Texto::OpcionRepetida, {Cita(nombre)});
        return false;
    }
    if (p.formato != Formato::Texto) {
        error = Di(Texto::CsvConJson);
        return false;
    }
    p.formato = formato;
    return true;
}

}  // namespace

ArgumentosAnalizados AnalizaArgumentos(const std::vector<std::string>& argumentos) {
    if (std::any_of(argumentos.begin(), argumentos.end(),
                    [](const std::string& a) { return a == "--help" || a == "-h"; }))
        return {Peticion{}, {}};
    if (std::find(argumentos.begin(), argumentos.end(), "--version") != argumentos.end()) {
        Peticion version;
        version.accion = Accion::Version;
        return {version, {}};
    }
    if (argumentos.empty()) return Error(Di(Texto::FaltaLaOrden));

    Peticion p;
    std::span<const Opcion> opciones;
    const std::string& orden = argumentos.front();
    if (orden == "simular") {
        p.accion = Accion::Simular;
        opciones = kOpcionesDeSimular;
    } else if (orden == "tabla") {
        p.accion = Accion::Tabla;
        opciones = kOpcionesDeTabla;
    } else {
        return Error(Di(Texto::OrdenDesconocidaDeLaLinea, {Cita(orden)}));
    }

    bool hayCircuito = false;
    for (std::size_t i = 1; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a.size() > 1 && a[0] == '-') {
            const Opcion* o = BuscaOpcion(opciones, a);
            if (o == nullptr) return Error(Di(Texto::OpcionNoAdmitida, {orden, Cita(a)}));
            std::string archivo;
            if (o->conArchivo) {
                if (i + 1 == argumentos.size())
                    return Error(Di(Texto::FaltaArchivoTras, {Cita(a)}));
                archivo = argumentos[++i];
            }
            std::string error;
            if (!Aplica(p, a, archivo, error)) return Error(error);
        } else if (!hayCircuito) {
            p.circuito = a;
            hayCircuito = true;
        } else {
            return Error(Di(Texto::SobraArgumento, {Cita(a)}));
        }
    }
    if (!hayCircuito) return Error(Di(Texto::FaltaCircuito));
    return {p, {}};
}

}  // namespace velistra::consola
