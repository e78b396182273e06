#include "cli/Comprobacion.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <sstream>

#include "cli/Banco.h"
#include "cli/CodigosDeSalida.h"
#include "cli/ComprobacionDeGuion.h"
#include "cli/EjecutorDeGuion.h"
#include "cli/InformeDeComprobacion.h"
#include "cli/LecturaDelGuion.h"
#include "cli/Textos.h"
#include "cli/TextosDeDocencia.h"
#include "docencia/Comparacion.h"
#include "plataforma/Sistema.h"

namespace velistra::consola {

namespace {

constexpr const char* kPrograma = "velistra-cli";
// An expected output larger than this is not a teacher's file.
constexpr std::size_t kTamanoMaximo = 4 * 1024 * 1024;
// Room for every combination of 16 levers with every light of a few boards named.
constexpr std::size_t kTamanoDeTabla = 32 * 1024 * 1024;

// What every circuit is compared with: a table (also the reference circuit's), or a
// script with its output.
struct Esperado {
    std::optional<docencia::TablaDeVerdad> tabla;
    std::optional<Guion> guion;
    std::string salida;
};

std::optional<std::string> LeeTexto(const std::string& ruta, const std::string& que,
                                    std::size_t tamanoMaximo, std::ostream& errores) {
    sistema::ArchivoLeido leido = sistema::LeeArchivoRegular(ruta, tamanoMaximo);
    if (leido.resultado == sistema::Lectura::Leido && leido.texto.size() > tamanoMaximo) {
        errores << kPrograma << ": " << textos::ArchivoGrande(que, ruta, tamanoMaximo >> 20) << '\n';
        return std::nullopt;
    }
    if (leido.resultado != sistema::Lectura::Leido) {
        errores << kPrograma << ": " << textos::ArchivoQueNoSeLee(que, ruta) << '\n';
        return std::nullopt;
    }
    // Spreadsheets and editors on Windows start a text with a byte-order mark.
    if (leido.texto.rfind("\xEF\xBB\xBF", 0) == 0) leido.texto.erase(0, 3);
    return std::move(leido.texto);
}

// The reference circuit's own table, made as `tabla` makes it.
int TablaDeReferencia(const std::string& ruta, Esperado& esperado, std::ostream& errores) {
    Banco banco(errores);
    if (!banco.Abre(ruta)) return kCircuitoIlegible;
    const auto palancas = docencia::PalancasCableadas(banco.mesa);
    const auto luces = docencia::LucesCableadas(banco.mesa);
    if (palancas.empty() || luces.empty() || palancas.size() > docencia::kMaximoDePalancas) {
        errores << kPrograma << ": " << textos::ReferenciaSinTabla(ruta, palancas.size(), luces.size())
                << '\n';
        return kUsoIncorrecto;
    }
    esperado.tabla = docencia::RecorreCombinaciones(banco.mesa, palancas, luces);
    return kTerminado;
}

int LeeLaTabla(const PeticionDeComprobacion& p, Esperado& esperado, std::ostream& errores) {
    const std::optional<std::string> texto = LeeTexto(*p.tabla, Di(Texto::LaTabla), kTamanoDeTabla, errores);
    if (!texto) return kUsoIncorrecto;
    Mensaje error;
    esperado.tabla = docencia::LeeTablaCsv(*texto, error);
    if (!esperado.tabla) {
        errores << kPrograma << ": " << textos::TablaIncorrecta(*p.tabla, DelNucleo(error)) << '\n';
        return kUsoIncorrecto;
    }
    const std::size_t combinaciones = docencia::CombinacionesDe(*esperado.tabla);
    const std::size_t cubiertas = docencia::CombinacionesCubiertas(*esperado.tabla);
    if (p.completa && cubiertas < combinaciones) {
        errores << kPrograma << ": " << textos::TablaIncompleta(*p.tabla, cubiertas, combinaciones) << '\n';
        return kUsoIncorrecto;
    }
    return kTerminado;
}

int LeeLoEsperado(const PeticionDeComprobacion& p, Esperado& esperado, std::ostream& errores) {
    if (p.referencia) return TablaDeReferencia(*p.referencia, esperado, errores);
    if (p.tabla) return LeeLaTabla(p, esperado, errores);
    std::istringstream nada;
    esperado.guion = LeeGuionDeLaEjecucion(p.guion, nada, errores);
    if (!esperado.guion) return kUsoIncorrecto;
    if (esperado.guion->error) {
        errores << *p.guion << ':' << esperado.guion->error->linea << ": "
                << esperado.guion->error->mensaje << '\n';
        return kUsoIncorrecto;
    }
    const std::optional<std::string> salida = LeeTexto(*p.salida, Di(Texto::LaSalida), kTamanoMaximo, errores);
    if (!salida) return kUsoIncorrecto;
    esperado.salida = *salida;
    return kTerminado;
}

std::string UnaLinea(std::string texto) {
    std::replace(texto.begin(), texto.end(), '\n', ' ');
    while (!texto.empty() && texto.back() == ' ') texto.pop_back();
    return texto;
}

void Une(std::string& detalle, const std::string& parte) {
    detalle += (detalle.empty() ? "" : "; ") + parte;
}

void SegunTabla(Banco& banco, const docencia::TablaDeVerdad& tabla, Veredicto& v) {
    const docencia::ComparacionDeTabla c = docencia::ComparaConTabla(banco.mesa, tabla);
    v.comparadas = c.filas;
    v.distintas = c.filasDistintas;
    for (const std::string& n : c.palancasQueFaltan) Une(v.detalle, textos::FaltaPalanca(n));
    for (const std::string& n : c.lucesQueFaltan) Une(v.detalle, textos::FaltaLuz(n));
    for (const docencia::ColumnaEnOtroTablero& o : c.enOtroTablero)
        Une(v.detalle, textos::ColumnaEnOtroTablero(o));
    if (c.filasDistintas > 0) Une(v.detalle, textos::FilasDistintas(c.filasDistintas, c.filas));
    for (const docencia::FilaDistinta& f : c.primeras)
        Une(v.detalle, textos::FilaDistinta(f.palancas, f.luces.front().nombre, f.luces.front().obtenida));
    v.resultado = c.Correcta() ? Resultado::Correcto : Resultado::Incorrecto;
}

void SegunGuion(Banco& banco, const Guion& guion, const std::string& esperada, Veredicto& v) {
    v.resultado = Resultado::Incorrecto;
    const GuionComprobado comprobado = CompruebaGuion(guion.ordenes, banco.mesa);
    if (comprobado.error) {
        v.detalle = textos::GuionQueNoCabe(comprobado.error->linea, comprobado.error->mensaje);
        return;
    }
    std::ostringstream obtenida;
    EjecutorDeGuion ejecutor(banco.mesa, obtenida, Formato::Texto);
    for (const OrdenComprobada& orden : comprobado.ordenes) ejecutor.Ejecuta(orden);
    const docencia::ComparacionDeTexto c = docencia::ComparaLineas(obtenida.str(), esperada);
    v.comparadas = c.lineas;
    v.distintas = c.distintas;
    if (c.distintas > 0) Une(v.detalle, textos::LineasDistintas(c.distintas, c.lineas));
    for (const docencia::LineaDistinta& l : c.primeras)
        Une(v.detalle, textos::LineaDistinta(l.linea, l.obtenida, l.esperada));
    if (c.Correcta()) v.resultado = Resultado::Correcto;
}

// Runs in the child process; the only message a loaded circuit can give while it runs
// is the feedback one.
Veredicto CompruebaUno(const std::string& archivo, const Esperado& esperado) {
    Veredicto v;
    v.archivo = archivo;
    std::ostringstream mensajes;
    Banco banco(mensajes);
    if (!banco.Abre(archivo)) {
        v.detalle = UnaLinea(mensajes.str());
        return v;
    }
    if (esperado.tabla) SegunTabla(banco, *esperado.tabla, v);
    else SegunGuion(banco, *esperado.guion, esperado.salida, v);
    if (!mensajes.str().empty()) {
        v.resultado = Resultado::Incorrecto;
        v.detalle = textos::NoSeAsienta();
    }
    return v;
}

// Across the pipe: the result's letter, the two counts, then the detail.
std::string Empaqueta(const Veredicto& v) {
    const char letra = v.resultado == Resultado::Correcto     ? 'C'
                       : v.resultado == Resultado::Incorrecto ? 'I'
                                                              : 'L';
    return std::string(1, letra) + '\n' + std::to_string(v.comparadas) + '\n' +
           std::to_string(v.distintas) + '\n' + v.detalle;
}

std::optional<Veredicto> Desempaqueta(const std::string& texto, const std::string& archivo) {
    std::istringstream flujo(texto);
    std::string letra;
    Veredicto v;
    v.archivo = archivo;
    if (!std::getline(flujo, letra) || letra.size() != 1 || !(flujo >> v.comparadas >> v.distintas))
        return std::nullopt;
    flujo.ignore(1);
    std::getline(flujo, v.detalle, '\0');
    v.resultado = letra == "C" ? Resultado::Correcto
                  : letra == "I" ? Resultado::Incorrecto
                                 : Resultado::Ilegible;
    return v;
}

// What the child's answer says, or what is told for a circuit whose child gave none.
Veredicto VeredictoDe(const sistema::TrabajoAparte& hecho, const std::string& archivo, int plazo) {
    if (hecho.final == sistema::TrabajoAparte::Terminado) {
        if (std::optional<Veredicto> v = Desempaqueta(hecho.texto, archivo)) return *v;
    }
    Veredicto v;
    v.archivo = archivo;
    if (hecho.final == sistema::TrabajoAparte::SinTiempo) {
        v.resultado = Resultado::Incorrecto;
        v.detalle = textos::SinTerminar(plazo);
    } else {
        v.detalle = textos::SeInterrumpio();
    }
    return v;
}

}  // namespace

std::vector<std::string> CircuitosDelLote(const std::vector<std::string>& nombres) {
    namespace fs = std::filesystem;
    std::vector<std::string> circuitos;
    for (const std::string& nombre : nombres) {
        std::error_code ec;
        if (!fs::is_directory(nombre, ec)) {
            circuitos.push_back(nombre);
            continue;
        }
        std::vector<std::string> deLaCarpeta;
        // Unreadable subfolders are skipped rather than ending the walk.
        fs::recursive_directory_iterator it(nombre, fs::directory_options::skip_permission_denied, ec);
        for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (it->path().extension() == ".txt" && !it->is_directory(ec))
                deLaCarpeta.push_back(it->path().string());
        }
        std::sort(deLaCarpeta.begin(), deLaCarpeta.end());
        circuitos.insert(circuitos.end(), deLaCarpeta.begin(), deLaCarpeta.end());
    }
    return circuitos;
}

int Comprueba(const PeticionDeComprobacion& p, std::ostream& salida, std::ostream& errores) {
    Esperado esperado;
    if (const int codigo = LeeLoEsperado(p, esperado, errores); codigo != kTerminado) return codigo;

    InformeDeComprobacion informe(salida, p.formato);
    if (esperado.tabla)
        informe.FilasDeLaTabla(esperado.tabla->filas.size(), docencia::CombinacionesDe(*esperado.tabla));
    const std::vector<std::string> circuitos = CircuitosDelLote(p.circuitos);
    sistema::EjecutaAparteUnoTrasOtro(
        circuitos.size(), [&](std::size_t i) { return Empaqueta(CompruebaUno(circuitos[i], esperado)); },
        p.plazo,
        [&](std::size_t i, const sistema::TrabajoAparte& hecho) {
            informe.Agrega(VeredictoDe(hecho, circuitos[i], p.plazo));
        });
    informe.Termina();
    salida.flush();
    if (informe.Ilegibles() > 0) return kCircuitoIlegible;
    return informe.Incorrectos() > 0 ? kHayIncorrectos : kTerminado;
}

}  // namespace velistra::consola
