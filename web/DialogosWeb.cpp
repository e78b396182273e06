#include "web/DialogosWeb.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace velistra {

namespace {

// Each answers a path the page made with malloc, or null when the user cancelled.
EM_ASYNC_JS(char*, PideArchivoParaAbrir, (const char* carpeta, const char* extension), {
    const ruta = await Module.velistra.dialogos.abre(UTF8ToString(carpeta), UTF8ToString(extension));
    return ruta === null ? 0 : allocateUTF8(ruta);
});

EM_ASYNC_JS(char*, PideArchivoParaGuardar, (const char* carpeta, const char* extension,
                                            const char* propuesto), {
    const ruta = await Module.velistra.dialogos.guarda(UTF8ToString(carpeta), UTF8ToString(extension),
                                                       UTF8ToString(propuesto));
    return ruta === null ? 0 : allocateUTF8(ruta);
});

// -1 when cancelled; the dialog writes the custom colours back in place either way.
EM_ASYNC_JS(int, PideColor, (unsigned inicial, unsigned* personalizados), {
    return await Module.velistra.dialogos.color(inicial, HEAPU32, personalizados >> 2);
});

std::optional<std::string> Ruta(char* elegida) {
    const std::unique_ptr<char, decltype(&std::free)> libre(elegida, &std::free);
    if (elegida == nullptr || *elegida == '\0') return std::nullopt;
    return std::string(elegida);
}

}  // namespace

std::optional<std::string> DialogosWeb::NombreParaAbrir(const std::vector<FiltroDeArchivos>&,
                                                        const std::string& extension) {
    return Ruta(PideArchivoParaAbrir(kCarpeta, extension.c_str()));
}

std::optional<std::string> DialogosWeb::NombreParaGuardar(const std::vector<FiltroDeArchivos>&,
                                                          const std::string& extension) {
    return Ruta(PideArchivoParaGuardar(kCarpeta, extension.c_str(), propuesto.c_str()));
}

std::optional<Color> DialogosWeb::EligeColor(Color inicial, std::array<Color, 16>& personalizados) {
    static_assert(sizeof(Color) == sizeof(unsigned));
    const int elegido = PideColor(inicial, reinterpret_cast<unsigned*>(personalizados.data()));
    if (elegido < 0) return std::nullopt;
    return static_cast<Color>(elegido);
}

}  // namespace velistra
