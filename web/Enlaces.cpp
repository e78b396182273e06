// The page's way into the program. Events that may open a dialog are plain exports that
// the page calls through Asyncify (they may suspend while the dialog is open); queries
// that never wait are embind functions.
#include <emscripten.h>
#include <emscripten/bind.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chips/Catalogo.h"
#include "chips/Patillaje.h"
#include "plataforma/Recursos.h"
#include "sesion/EditorDeMesa.h"
#include "sesion/LecturasDeLaMesa.h"
#include "web/MenusWeb.h"
#include "web/ProgramaWeb.h"
#include "web/TextosWeb.h"
#include "web/Traduccion.h"

using namespace velistra;

namespace {

std::unique_ptr<ProgramaWeb> programa;

}  // namespace

ProgramaWeb& velistra::ElPrograma() { return *programa; }

namespace {

std::string Titulo() { return TextoDelNucleo(programa->LaSesion().comandos.Titulo()); }
bool Modificado() { return programa->LaSesion().comandos.Modificado(); }
bool Encendido() { return ModuloEncendido(programa->LaSesion()); }
std::string Posicion(int x, int y) { return EditorDeMesa::TextoDePosicion(x, y); }
std::string TextoDelRechazo() { return programa->Rechazo(); }
int PunteroX() { return programa->Puntero().x; }
int PunteroY() { return programa->Puntero().y; }
std::string RutaDelArchivo() { return programa->LaSesion().comandos.Archivo(); }

std::string Estado() {
    return TextoDeEstado(programa->LaSesion(), programa->PunteroSobreLaMesa(),
                         [](const char* t) { return TextoDelNucleo(t); });
}

// The catalogue code of the chip under a workbench point, or 0.
int ChipEn(int x, int y) { return ChipVisibleEn(programa->LaSesion(), Punto{x, y}).value_or(0); }

std::string EtiquetaDelChip(int codigo) { return EtiquetaDeChip(codigo); }
std::string DescripcionDelChip(int codigo) {
    return TextoDelNucleo(std::string(DescripcionDeChip(codigo)));
}
std::string PatillaDelChip(int codigo, int pin) { return std::string(NombreDePatilla(codigo, pin)); }
int PatillasDelChip(int codigo) {
    const FichaDeChip* ficha = FichaDeCatalogo(codigo);
    return ficha != nullptr ? ficha->pines : 0;
}

std::string CodigoDelIdioma() { return CodigoDeIdioma(IdiomaDeLaPagina()); }
bool Arrastra() { return programa->LaSesion().editor.Arrastra(); }
// The parts in use as [l, t, r, b]; empty when there is none.
emscripten::val AreaEnUsoDeLaMesa() {
    emscripten::val area = emscripten::val::array();
    if (const std::optional<Area> a = programa->LaSesion().AreaDelCircuito()) {
        for (const int v : {a->l, a->t, a->r, a->b}) area.call<void>("push", v);
    }
    return area;
}
// The page's own texts in the page's language, or in another one (`codigo`).
emscripten::val Textos() { return TextosDeLaPagina(IdiomaDeLaPagina()); }
emscripten::val TextosEn(const std::string& codigo) {
    return TextosDeLaPagina(IdiomaPorCodigo(codigo).value_or(Idioma::Espanol));
}
// The visible part of the workbench, a view of the program's own buffer: valid until the
// next call into the program.
emscripten::val Pinta(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return emscripten::val::null();
    const std::uint8_t* bytes = programa->Pinta(x, y, w, h);
    return emscripten::val(emscripten::typed_memory_view(static_cast<std::size_t>(w) * h * 4, bytes));
}

// A copy of `w` x `h` pixels of a picture from (x, y), RGBA; empty when it lacks them.
emscripten::val Recorte(const web::MapaDeBits* imagen, int x, int y, int w, int h) {
    std::vector<std::uint8_t> bytes;
    if (imagen != nullptr && x >= 0 && y >= 0 && x + w <= imagen->Ancho() && y + h <= imagen->Alto()) {
        for (int fila = y; fila < y + h; ++fila) {
            const auto* inicio = reinterpret_cast<const std::uint8_t*>(imagen->Fila(fila) + x);
            bytes.insert(bytes.end(), inicio, inicio + static_cast<std::size_t>(w) * 4);
        }
    }
    const emscripten::val vista(emscripten::typed_memory_view(bytes.size(), bytes.data()));
    return emscripten::val::global("Uint8Array").new_(vista);
}

// Image `i` of the toolbar's strip.
emscripten::val ImagenDeLaBarra(int i) {
    constexpr int kLado = 16;
    return Recorte(programa->Pintura().Imagen(recursos::BarraDeHerramientas.id), i * kLado, 0, kLado, kLado);
}

// A whole picture: {ancho, alto, rgba}, or null.
emscripten::val PixelesDeImagen(int id) {
    const web::MapaDeBits* imagen = programa->Pintura().Imagen(id);
    if (imagen == nullptr) return emscripten::val::null();
    emscripten::val v = emscripten::val::object();
    v.set("ancho", imagen->Ancho());
    v.set("alto", imagen->Alto());
    v.set("rgba", Recorte(imagen, 0, 0, imagen->Ancho(), imagen->Alto()));
    return v;
}

void EscalaDeLaVista(double escala) { programa->LaSesion().EscalaDeLaVista(escala); }
bool PuedeDeshacer() { return programa->LaSesion().historial.PuedeDeshacer(); }
bool PuedeRehacer() { return programa->LaSesion().historial.PuedeRehacer(); }

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void velistra_inicia(const char* idioma, const char* carpetaDeDatos,
                                          const char* carpetaDePinturas) {
    IdiomaDeLaPagina(IdiomaPorCodigo(idioma).value_or(Idioma::Espanol));
    programa = std::make_unique<ProgramaWeb>(carpetaDeDatos, carpetaDePinturas);
}

EMSCRIPTEN_KEEPALIVE int velistra_izquierdo_abajo(int x, int y) { return programa->IzquierdoAbajo(x, y); }
EMSCRIPTEN_KEEPALIVE int velistra_mueve(int x, int y) { return programa->Mueve(x, y); }
EMSCRIPTEN_KEEPALIVE int velistra_izquierdo_arriba(int x, int y) { return programa->IzquierdoArriba(x, y); }
EMSCRIPTEN_KEEPALIVE int velistra_derecho_abajo(int x, int y) { return programa->DerechoAbajo(x, y); }
EMSCRIPTEN_KEEPALIVE int velistra_alterna_seleccion(int x, int y) { return programa->AlternaSeleccion(x, y); }
EMSCRIPTEN_KEEPALIVE int velistra_sale() { return programa->Sale(); }
EMSCRIPTEN_KEEPALIVE int velistra_ejecuta(int id) { return programa->Ejecuta(id); }
EMSCRIPTEN_KEEPALIVE int velistra_abre(const char* ruta) { return programa->AbreArchivo(ruta); }
EMSCRIPTEN_KEEPALIVE int velistra_tic() { return programa->Tic(); }
EMSCRIPTEN_KEEPALIVE int velistra_ofrece_recuperacion() { return programa->OfreceRecuperacion(); }
EMSCRIPTEN_KEEPALIVE int velistra_puede_cerrar() { return programa->PuedeCerrar() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE void velistra_termina() { programa->Termina(); }
EMSCRIPTEN_KEEPALIVE void velistra_desplazamiento(int x, int y) { programa->Desplazamiento(x, y); }

}  // extern "C"

EMSCRIPTEN_BINDINGS(velistra) {
    emscripten::function("titulo", &Titulo);
    emscripten::function("modificado", &Modificado);
    emscripten::function("encendido", &Encendido);
    emscripten::function("posicion", &Posicion);
    emscripten::function("rechazo", &TextoDelRechazo);
    emscripten::function("estado", &Estado);
    emscripten::function("punteroX", &PunteroX);
    emscripten::function("punteroY", &PunteroY);
    emscripten::function("archivoActual", &RutaDelArchivo);
    emscripten::function("chipEn", &ChipEn);
    emscripten::function("etiquetaDelChip", &EtiquetaDelChip);
    emscripten::function("descripcionDelChip", &DescripcionDelChip);
    emscripten::function("patillaDelChip", &PatillaDelChip);
    emscripten::function("patillasDelChip", &PatillasDelChip);
    emscripten::function("idioma", &CodigoDelIdioma);
    emscripten::function("textos", &Textos);
    emscripten::function("textosEn", &TextosEn);
    emscripten::function("arrastra", &Arrastra);
    emscripten::function("areaEnUso", &AreaEnUsoDeLaMesa);
    emscripten::function("escalaDeLaVista", &EscalaDeLaVista);
    emscripten::function("puedeDeshacer", &PuedeDeshacer);
    emscripten::function("puedeRehacer", &PuedeRehacer);
    emscripten::function("menus", &MenusDelNavegador);
    emscripten::function("pinta", &Pinta);
    emscripten::function("imagenDeLaBarra", &ImagenDeLaBarra);
    emscripten::function("imagen", &PixelesDeImagen);
    emscripten::function("botones", &BotonesDelNavegador);
}
