// Fails on any Spanish string literal in the program's sources that no one marked for the
// catalogue: it would reach an English user in Spanish. A literal is marked when it is an
// argument of VELISTRA_TEXTO, tr, QT_TRANSLATE_NOOP, QT_TR_NOOP or translate; a line that
// ends in "// texto fijo", or follows one, holds words of a format (script words, output
// words, JSON keys) or a name that never changes with the language.
// Usage: textos-sin-marcar RAIZ CARPETA... [--excepto ARCHIVO...]
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMarcaDeFormato = "// texto fijo";
constexpr std::array<std::string_view, 6> kMarcadores{
    "VELISTRA_TEXTO", "tr", "QT_TRANSLATE_NOOP", "QT_TR_NOOP", "translate", "QT_TRANSLATE_NOOP3"};
// Marks of Spanish that English text never has, and its commonest short words.
constexpr std::array<std::string_view, 15> kLetras{"á", "é", "í", "ó", "ú", "ñ", "Á", "É",
                                                   "Í", "Ó", "Ú", "Ñ", "¿", "¡", "ü"};
constexpr std::array<std::string_view, 16> kPalabras{"el",  "la",   "los", "las", "de", "del",
                                                     "un",  "una",  "no",  "que", "se", "con",
                                                     "por", "para", "es",  "al"};

bool EsLetra(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || (c >= '0' && c <= '9');
}

bool PareceEspanol(std::string_view texto) {
    for (std::string_view letra : kLetras)
        if (texto.find(letra) != std::string_view::npos) return true;
    // Two words or more, one of them a Spanish short word.
    std::vector<std::string> palabras;
    std::string palabra;
    for (char c : std::string(texto) + ' ') {
        if (EsLetra(c)) {
            palabra += c;
        } else if (!palabra.empty()) {
            palabras.push_back(palabra);
            palabra.clear();
        }
    }
    if (palabras.size() < 2) return false;
    return std::any_of(palabras.begin(), palabras.end(), [](const std::string& p) {
        return std::find(kPalabras.begin(), kPalabras.end(), p) != kPalabras.end();
    });
}

struct Hallado {
    int linea;
    std::string texto;
};

// The unmarked Spanish literals of one source: a small lexer that skips comments, keeps
// track of the calls a literal sits in, and reads escapes and raw strings whole.
std::vector<Hallado> Busca(const std::string& fuente) {
    std::vector<Hallado> hallados;
    std::vector<std::string> llamadas;  // the name before each open parenthesis
    std::string ultimoNombre;
    int linea = 1;
    auto finDeLinea = [&](std::size_t i) {
        const std::size_t fin = fuente.find('\n', i);
        return fuente.substr(i, fin == std::string::npos ? std::string::npos : fin - i);
    };
    for (std::size_t i = 0; i < fuente.size(); ++i) {
        const char c = fuente[i];
        if (c == '\n') {
            ++linea;
            continue;
        }
        if (fuente.compare(i, 2, "//") == 0) {
            i = fuente.find('\n', i) - 1;
            if (i + 1 == 0) break;
            continue;
        }
        if (fuente.compare(i, 2, "/*") == 0) {
            const std::size_t fin = fuente.find("*/", i + 2);
            linea += static_cast<int>(
                std::count(fuente.begin() + static_cast<long>(i),
                           fuente.begin() + static_cast<long>(std::min(fin, fuente.size())), '\n'));
            i = fin == std::string::npos ? fuente.size() : fin + 1;
            continue;
        }
        if (c == '#' && (i == 0 || fuente[i - 1] == '\n')) {  // preprocessor lines say nothing
            while (i < fuente.size() && fuente[i] != '\n') {
                if (fuente[i] == '\\' && i + 1 < fuente.size() && fuente[i + 1] == '\n')
                    ++linea, ++i;
                ++i;
            }
            --i;
            continue;
        }
        if (c == '\'') {
            for (++i; i < fuente.size() && fuente[i] != '\''; ++i)
                if (fuente[i] == '\\') ++i;
            continue;
        }
        if (c == '"') {
            const bool crudo = i > 0 && fuente[i - 1] == 'R';
            const int desde = linea;
            std::string texto;
            if (crudo) {
                const std::size_t abre = fuente.find('(', i);
                const std::string cierre = ")" + fuente.substr(i + 1, abre - i - 1) + "\"";
                const std::size_t fin = fuente.find(cierre, abre);
                texto = fuente.substr(abre + 1, fin - abre - 1);
                linea += static_cast<int>(std::count(texto.begin(), texto.end(), '\n'));
                i = fin + cierre.size() - 1;
            } else {
                for (++i; i < fuente.size() && fuente[i] != '"'; ++i) {
                    if (fuente[i] == '\\') texto += fuente[i++];
                    texto += fuente[i];
                }
            }
            const bool marcado =
                !llamadas.empty() && std::find(kMarcadores.begin(), kMarcadores.end(),
                                               llamadas.back()) != kMarcadores.end();
            const std::size_t inicioDeLinea = fuente.rfind('\n', i) + 1;
            const std::size_t lineaAnterior =
                inicioDeLinea >= 2 ? fuente.rfind('\n', inicioDeLinea - 2) + 1 : 0;
            const bool fijo = finDeLinea(inicioDeLinea).find(kMarcaDeFormato) != std::string::npos ||
                              finDeLinea(lineaAnterior).find(kMarcaDeFormato) != std::string::npos;
            if (!marcado && !fijo && PareceEspanol(texto)) hallados.push_back({desde, texto});
            ultimoNombre.clear();
            continue;
        }
        if (EsLetra(c)) {
            if (i == 0 || !EsLetra(fuente[i - 1])) ultimoNombre.clear();
            ultimoNombre += c;
            continue;
        }
        if (c == '(') {
            llamadas.push_back(ultimoNombre);
        } else if (c == ')') {
            if (!llamadas.empty()) llamadas.pop_back();
        }
        if (c != ' ' && c != '\t' && c != '\r') ultimoNombre.clear();
    }
    return hallados;
}

std::string Lee(const fs::path& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    std::ostringstream texto;
    texto << archivo.rdbuf();
    return texto.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "uso: textos-sin-marcar RAIZ CARPETA... [--excepto ARCHIVO...]\n";
        return 2;
    }
    const fs::path raiz = argv[1];
    std::vector<std::string> carpetas;
    std::vector<std::string> excepciones;
    bool excepto = false;
    for (int a = 2; a < argc; ++a) {
        const std::string arg = argv[a];
        if (arg == "--excepto")
            excepto = true;
        else
            (excepto ? excepciones : carpetas).push_back(arg);
    }
    std::vector<fs::path> fuentes;
    for (const std::string& carpeta : carpetas) {
        for (const auto& e : fs::recursive_directory_iterator(raiz / carpeta)) {
            const std::string ext = e.path().extension().string();
            if (!e.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            const std::string relativa = fs::relative(e.path(), raiz).generic_string();
            if (std::find(excepciones.begin(), excepciones.end(), relativa) == excepciones.end())
                fuentes.push_back(e.path());
        }
    }
    std::sort(fuentes.begin(), fuentes.end());
    int total = 0;
    for (const fs::path& fuente : fuentes) {
        for (const Hallado& h : Busca(Lee(fuente))) {
            std::cout << fs::relative(fuente, raiz).generic_string() << ':' << h.linea
                      << ": texto sin marcar: \"" << h.texto << "\"\n";
            ++total;
        }
    }
    if (total > 0) {
        std::cout << total
                  << " textos sin marcar (VELISTRA_TEXTO en el núcleo, tr() en la ventana, "
                     "o \"// texto fijo\" si no cambia con el idioma)\n";
        return 1;
    }
    return 0;
}
