#include "cli/ArgumentosDeDocencia.h"

#include <charconv>

#include "cli/Citas.h"
#include "cli/Textos.h"
#include "cli/TextosDeDocencia.h"

namespace velistra::consola {

namespace {

std::string Repetida(const std::string& opcion) {
    return Di(Texto::OpcionRepetida, {Cita(opcion)});
}

// --csv and --json, shared by both orders; false with the reason when they clash.
bool FijaFormato(Formato& formato, const std::string& opcion, std::string& error) {
    const Formato nuevo = opcion == "--csv" ? Formato::Csv : Formato::Json;
    if (formato == nuevo) {
        error = Repetida(opcion);
        return false;
    }
    if (formato != Formato::Texto) {
        error = Di(Texto::CsvConJson);
        return false;
    }
    formato = nuevo;
    return true;
}

bool LeePlazo(const std::string& texto, int& plazo) {
    int valor = 0;
    const auto [fin, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (ec != std::errc() || fin != texto.data() + texto.size() || valor < 1 || valor > 3600)
        return false;
    plazo = valor;
    return true;
}

}  // namespace

std::optional<PeticionDeComprobacion> AnalizaComprobacion(const std::vector<std::string>& argumentos,
                                                          std::string& error) {
    PeticionDeComprobacion p;
    for (std::size_t i = 1; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a == "--csv" || a == "--json") {
            if (!FijaFormato(p.formato, a, error)) return std::nullopt;
            continue;
        }
        if (a == "--completa") {
            if (p.completa) {
                error = Repetida(a);
                return std::nullopt;
            }
            p.completa = true;
            continue;
        }
        std::optional<std::string>* campo = a == "--tabla"        ? &p.tabla
                                            : a == "--referencia" ? &p.referencia
                                            : a == "--guion"      ? &p.guion
                                            : a == "--salida"     ? &p.salida
                                                                  : nullptr;
        const bool esPlazo = a == "--plazo";
        if (campo == nullptr && !esPlazo) {
            if (a.size() > 1 && a[0] == '-') {
                error = Di(Texto::OpcionNoAdmitida, {argumentos.front(), Cita(a)});
                return std::nullopt;
            }
            p.circuitos.push_back(a);
            continue;
        }
        if (i + 1 == argumentos.size()) {
            error = Di(esPlazo ? Texto::FaltanSegundosTras : Texto::FaltaArchivoTras, {Cita(a)});
            return std::nullopt;
        }
        const std::string& valor = argumentos[++i];
        if (esPlazo) {
            if (!LeePlazo(valor, p.plazo)) {
                error = textos::PlazoIncorrecto();
                return std::nullopt;
            }
        } else if (*campo) {
            error = Repetida(a);
            return std::nullopt;
        } else {
            *campo = valor;
        }
    }
    const int modos = (p.tabla ? 1 : 0) + (p.referencia ? 1 : 0) + (p.guion || p.salida ? 1 : 0);
    if (modos == 0)
        error = textos::FaltaElModo();
    else if (modos > 1)
        error = textos::ModosJuntos();
    else if (p.guion.has_value() != p.salida.has_value())
        error = textos::GuionSinSalida();
    else if (p.circuitos.empty())
        error = textos::FaltanCircuitos();
    if (!error.empty()) return std::nullopt;
    return p;
}

std::optional<PeticionDeRevision> AnalizaRevision(const std::vector<std::string>& argumentos,
                                                  std::string& error) {
    PeticionDeRevision p;
    bool hayCircuito = false;
    for (std::size_t i = 1; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a == "--json") {
            if (!FijaFormato(p.formato, a, error)) return std::nullopt;
        } else if (a.size() > 1 && a[0] == '-') {
            error = Di(Texto::OpcionNoAdmitida, {"revisar", Cita(a)});
            return std::nullopt;
        } else if (hayCircuito) {
            error = Di(Texto::SobraArgumento, {Cita(a)});
            return std::nullopt;
        } else {
            p.circuito = a;
            hayCircuito = true;
        }
    }
    if (!hayCircuito) {
        error = Di(Texto::FaltaCircuito);
        return std::nullopt;
    }
    return p;
}

}  // namespace velistra::consola
