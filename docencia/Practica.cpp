#include "docencia/Practica.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "plataforma/Sistema.h"
#include "plataforma/Traducible.h"

namespace velistra::docencia {

namespace fs = std::filesystem;

namespace {

// A statement longer than this is not a lab guide.
constexpr std::size_t kTamanoMaximo = 1024 * 1024;

bool Existe(const fs::path& ruta) {
    std::error_code ec;
    return fs::is_regular_file(ruta, ec);
}

std::string RutaSiExiste(const fs::path& carpeta, const char* nombre) {
    const fs::path ruta = carpeta / nombre;
    return Existe(ruta) ? ruta.string() : std::string();
}

// The text without a byte-order mark; nothing when it cannot be read.
std::optional<std::string> LeeTexto(const fs::path& ruta) {
    sistema::ArchivoLeido leido = sistema::LeeArchivoRegular(ruta.string(), kTamanoMaximo);
    if (leido.resultado != sistema::Lectura::Leido || leido.texto.size() > kTamanoMaximo)
        return std::nullopt;
    if (leido.texto.rfind("\xEF\xBB\xBF", 0) == 0) leido.texto.erase(0, 3);
    return leido.texto;
}

// Missing files leave the text empty; a file that is there but unreadable is an error.
bool LeeOpcional(const fs::path& ruta, std::string& texto) {
    if (!Existe(ruta)) return true;
    std::optional<std::string> leido = LeeTexto(ruta);
    if (!leido) return false;
    texto = std::move(*leido);
    return true;
}

Mensaje NoSeLee(const fs::path& ruta) {
    return Mensaje(VELISTRA_TEXTO("no se puede leer %1"), {Mensaje::Literal(ruta.string())});
}

}  // namespace

std::string Practica::Titulo(Idioma idioma) const {
    std::istringstream flujo(Textos(idioma).enunciado);
    std::string linea;
    while (std::getline(flujo, linea)) {
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        if (linea.rfind("# ", 0) == 0) return linea.substr(2);
    }
    return Nombre();
}

std::string Practica::Nombre() const { return fs::path(carpeta).filename().string(); }

std::optional<Practica> LeePractica(const std::string& carpeta, Mensaje& error) {
    const fs::path raiz(carpeta);
    std::error_code ec;
    if (!fs::is_directory(raiz, ec)) {
        error = Mensaje(VELISTRA_TEXTO("%1 no es la carpeta de una práctica"),
                        {Mensaje::Literal(carpeta)});
        return std::nullopt;
    }
    Practica p;
    p.carpeta = carpeta;
    const fs::path enunciado = raiz / archivos::kEnunciado;
    if (!Existe(enunciado)) {
        error = Mensaje(VELISTRA_TEXTO("a la práctica %1 le falta el enunciado (%2)"),
                        {Mensaje::Literal(carpeta), Mensaje::Literal(archivos::kEnunciado)});
        return std::nullopt;
    }
    for (const auto& [ruta, texto] : {std::pair{enunciado, &p.espanol.enunciado},
                                      {raiz / archivos::kPistas, &p.espanol.pistas},
                                      {raiz / archivos::kEnunciadoEnIngles, &p.ingles.enunciado},
                                      {raiz / archivos::kPistasEnIngles, &p.ingles.pistas}}) {
        if (!LeeOpcional(ruta, *texto)) {
            error = NoSeLee(ruta);
            return std::nullopt;
        }
    }
    if (p.ingles.enunciado.empty()) p.ingles.enunciado = p.espanol.enunciado;
    if (p.ingles.pistas.empty()) p.ingles.pistas = p.espanol.pistas;

    const std::string tabla = RutaSiExiste(raiz, archivos::kTabla);
    const std::string referencia = RutaSiExiste(raiz, archivos::kReferencia);
    const std::string guion = RutaSiExiste(raiz, archivos::kGuion);
    p.salida = RutaSiExiste(raiz, archivos::kSalida);
    const int clases = (tabla.empty() ? 0 : 1) + (referencia.empty() ? 0 : 1) +
                       (guion.empty() && p.salida.empty() ? 0 : 1);
    if (clases != 1 || guion.empty() != p.salida.empty()) {
        error = Mensaje(VELISTRA_TEXTO("la práctica %1 necesita una sola comprobación: %2, %3 o "
                                       "%4 con %5"),
                        {Mensaje::Literal(carpeta), Mensaje::Literal(archivos::kTabla),
                         Mensaje::Literal(archivos::kReferencia),
                         Mensaje::Literal(archivos::kGuion), Mensaje::Literal(archivos::kSalida)});
        return std::nullopt;
    }
    p.clase = !tabla.empty()        ? ClaseDeComprobacion::Tabla
              : !referencia.empty() ? ClaseDeComprobacion::Referencia
                                    : ClaseDeComprobacion::Guion;
    p.comprobacion = !tabla.empty() ? tabla : !referencia.empty() ? referencia : guion;
    p.inicio = RutaSiExiste(raiz, archivos::kInicio);
    p.solucion = RutaSiExiste(raiz, archivos::kSolucion);
    return p;
}

std::vector<std::string> PracticasDelCurso(const std::string& curso) {
    std::vector<std::string> practicas;
    std::error_code ec;
    for (fs::directory_iterator it(curso, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        if (Existe(it->path() / archivos::kEnunciado)) practicas.push_back(it->path().string());
    }
    std::sort(practicas.begin(), practicas.end());
    return practicas;
}

}  // namespace velistra::docencia
