#include "sesion/TablaDeComandos.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

#include "chips/Catalogo.h"
#include "plataforma/Traducible.h"
#include "sesion/Mensajes.h"

namespace velistra {

namespace {

using namespace comandos;
using namespace mensajes;
using M = MenuDeLaBarra;

constexpr FichaDeMenu kMenus[] = {
    {M::Circuitos, VELISTRA_TEXTO("&Circuitos")},
    {M::Edicion, VELISTRA_TEXTO("Edición")},
    {M::Ver, VELISTRA_TEXTO("Ver")},
    {M::Tableros, VELISTRA_TEXTO("Tableros")},
    {M::CircuitosTTL, VELISTRA_TEXTO("Circuitos TTL")},
    {M::Tutoriales, VELISTRA_TEXTO("Tutoriales")},
    {M::Ayuda, VELISTRA_TEXTO("Ayuda")},
};

FilaDeComando Separador(M menu) {
    return {.clase = ClaseDeFila::Separador, .menu = menu};
}

// Every board kind with a menu command, in the order of their descriptions: the
// tutorial ones or the rest. A tutorial leaves the circuit unmodified.
void AgregaTableros(std::vector<FilaDeComando>& filas, bool tutoriales) {
    for (const DescripcionDeTablero& d : kDescripcionesDeTableros) {
        if (d.comando == 0 || d.tutorial != tutoriales) continue;
        filas.push_back({.id = d.comando, .menu = tutoriales ? M::Tutoriales : M::Tableros,
                         .texto = d.texto, .modificaCircuito = !d.tutorial});
    }
}

// The rows before the chips: "Circuitos" to "Tableros", and the wire colour, which is
// only on the toolbar.
std::vector<FilaDeComando> FilasAntesDeLosChips() {
    std::vector<FilaDeComando> filas = {
        {.id = kNuevo, .menu = M::Circuitos, .texto = VELISTRA_TEXTO("Nuevo"),
         .atajos = {"Ctrl+N"}, .boton = {1, 1, 0, VELISTRA_TEXTO("Nuevo")},
         .rechazoEncendido = kApagueAntesDeNuevo},
        {.id = kRecuperar, .menu = M::Circuitos, .texto = VELISTRA_TEXTO("Recuperar..."),
         .atajos = {"Ctrl+O"}, .boton = {2, 1, 1, nullptr},
         .rechazoEncendido = kApagueAntesDeRecuperar},
        {.id = kAlmacenar, .menu = M::Circuitos, .texto = VELISTRA_TEXTO("Almacenar"),
         .atajos = {"Ctrl+S"}, .boton = {3, 2, 2, VELISTRA_TEXTO("Almacenar")}},
        {.id = kAlmacenarEn, .menu = M::Circuitos, .texto = VELISTRA_TEXTO("Almacenar en..."),
         .atajos = {"Ctrl+Shift+S"}},
        {.id = kArchivosRecientes, .clase = ClaseDeFila::Recientes, .menu = M::Circuitos,
         .submenu = VELISTRA_TEXTO("Archivos recientes"), .texto = VELISTRA_TEXTO("Ninguno"),
         .rechazoEncendido = kApagueAntesDeRecuperar},
        {.id = kRevisarCircuito, .menu = M::Circuitos, .texto = VELISTRA_TEXTO("Revisar circuito"),
         .programas = kEscritorio},
        {.id = kFallos, .menu = M::Circuitos, .texto = VELISTRA_TEXTO("Fallos..."),
         .programas = kEscritorio},
        Separador(M::Circuitos),
        {.id = kExportarImagen, .menu = M::Circuitos, .texto = VELISTRA_TEXTO("Exportar imagen..."),
         .programas = kEscritorio},
        {.id = kImprimir, .menu = M::Circuitos, .texto = VELISTRA_TEXTO("Imprimir..."),
         .programas = kEscritorio},
        {.id = kExportarInforme, .menu = M::Circuitos,
         .texto = VELISTRA_TEXTO("Exportar informe (PDF)..."), .programas = kEscritorio},
        Separador(M::Circuitos),
        {.id = kSalir, .menu = M::Circuitos, .texto = VELISTRA_TEXTO("Salir"), .atajos = {"Ctrl+Q"},
         .rechazoEncendido = kApagueAntesDeSalir},

        {.id = kDeshacer, .menu = M::Edicion, .texto = VELISTRA_TEXTO("Deshacer"),
         .atajos = {"Ctrl+Z"}, .boton = {5, 4, -1, VELISTRA_TEXTO("Deshacer")},
         .rechazoEncendido = kApagueAntesDeDeshacer},
        {.id = kRehacer, .menu = M::Edicion, .texto = VELISTRA_TEXTO("Rehacer"),
         .atajos = {"Ctrl+Y", "Ctrl+Shift+Z"}, .boton = {6, 4, -1, VELISTRA_TEXTO("Rehacer")},
         .rechazoEncendido = kApagueAntesDeRehacer},
        Separador(M::Edicion),
        // These change the circuit only with something selected or copied, one step then.
        {.id = kCortar, .menu = M::Edicion, .texto = VELISTRA_TEXTO("Cortar"), .atajos = {"Ctrl+X"},
         .rechazoEncendido = kApagueAntesDeRetirar},
        {.id = kCopiar, .menu = M::Edicion, .texto = VELISTRA_TEXTO("Copiar"), .atajos = {"Ctrl+C"}},
        {.id = kPegar, .menu = M::Edicion, .texto = VELISTRA_TEXTO("Pegar"), .atajos = {"Ctrl+V"},
         .rechazoEncendido = kApagueAntesDePegar},
        {.id = kBorrarSeleccion, .menu = M::Edicion, .texto = VELISTRA_TEXTO("Borrar selección"),
         .atajos = {"Del"}, .rechazoEncendido = kApagueAntesDeRetirar},
        {.id = kSeleccionarTodo, .menu = M::Edicion, .texto = VELISTRA_TEXTO("Seleccionar todo"),
         .atajos = {"Ctrl+A"}},

        {.id = kAcercar, .menu = M::Ver, .texto = VELISTRA_TEXTO("Acercar"),
         .atajos = {"Ctrl++", "Ctrl+="}},
        {.id = kAlejar, .menu = M::Ver, .texto = VELISTRA_TEXTO("Alejar"), .atajos = {"Ctrl+-"}},
        {.id = kTamanoNormal, .menu = M::Ver, .texto = VELISTRA_TEXTO("Tamaño normal"),
         .atajos = {"Ctrl+0"}, .valor = 100},
        Separador(M::Ver),
    };
    for (std::size_t i = 0; i < kNivelesDeZoom.size(); ++i) {
        filas.push_back({.id = kPrimerNivelDeZoom + static_cast<int>(i), .menu = M::Ver,
                         .texto = VELISTRA_TEXTO("%1 %"), .marca = Marca::Opcion,
                         .valor = kNivelesDeZoom[i]});
    }
    const FilaDeComando resto[] = {
        Separador(M::Ver),
        {.id = kAjustarALaVentana, .menu = M::Ver, .texto = VELISTRA_TEXTO("Ajustar a la ventana")},
        {.id = kAjustarAlCircuito, .menu = M::Ver, .texto = VELISTRA_TEXTO("Ajustar al circuito")},
        {.id = kPatillaje, .menu = M::Ver, .texto = VELISTRA_TEXTO("Patillaje"),
         .marca = Marca::Casilla},
        {.id = kAnalizadorLogico, .menu = M::Ver, .texto = VELISTRA_TEXTO("Analizador lógico"),
         .marca = Marca::Casilla, .programas = kEscritorio},
    };
    filas.insert(filas.end(), std::begin(resto), std::end(resto));
    AgregaTableros(filas, false);
    const FilaDeComando color[] = {
        // Not in a menu: the button stands where the workbench draws the new wires' colour.
        {.id = kColorDeCable, .menu = M::Ninguno, .texto = VELISTRA_TEXTO("Color de los cables nuevos"),
         .boton = {4, 3, 3, VELISTRA_TEXTO("Color de los cables nuevos")}},
    };
    filas.insert(filas.end(), std::begin(color), std::end(color));
    return filas;
}

// Every chip of the catalogue, under its group path: a new chip is never left out.
void AgregaChips(std::vector<FilaDeComando>& filas) {
    for (const FichaDeChip& ficha : Catalogo()) {
        filas.push_back({.id = ficha.codigoDeCatalogo, .menu = M::CircuitosTTL,
                         .submenu = ficha.grupo, .texto = ficha.texto,
                         .modificaCircuito = true});
    }
}

std::vector<FilaDeComando> FilasTrasLosChips() {
    // The tutorial boards first: asides, not saved with the circuit.
    std::vector<FilaDeComando> filas;
    AgregaTableros(filas, true);
    const FilaDeComando resto[] = {
        // The labs are the desktop's: the page shows no line before nothing.
        {.clase = ClaseDeFila::Separador, .menu = M::Tutoriales, .programas = kEscritorio},
        {.id = kPracticasDelCurso, .menu = M::Tutoriales, .submenu = VELISTRA_TEXTO("Prácticas"),
         .texto = VELISTRA_TEXTO("Prácticas del curso"), .marca = Marca::Casilla,
         .programas = kEscritorio},
        {.id = kAbrirPractica, .menu = M::Tutoriales, .submenu = VELISTRA_TEXTO("Prácticas"),
         .texto = VELISTRA_TEXTO("Abrir práctica..."), .programas = kEscritorio},
        {.id = kAyuda, .menu = M::Ayuda, .texto = VELISTRA_TEXTO("Contacto.."), .atajos = {"F1"}},
        Separador(M::Ayuda),
        // texto fijo: each language in its own, so never translated.
        {.id = kEspanol, .menu = M::Ayuda, .submenu = VELISTRA_TEXTO("Idioma"), .texto = "Español",
         .marca = Marca::Opcion},
        {.id = kIngles, .menu = M::Ayuda, .submenu = VELISTRA_TEXTO("Idioma"), .texto = "English",
         .marca = Marca::Opcion},
    };
    filas.insert(filas.end(), std::begin(resto), std::end(resto));
    return filas;
}

std::vector<FilaDeComando> ConstruyeTabla() {
    std::vector<FilaDeComando> filas = FilasAntesDeLosChips();
    AgregaChips(filas);
    const std::vector<FilaDeComando> resto = FilasTrasLosChips();
    filas.insert(filas.end(), resto.begin(), resto.end());
    return filas;
}

}  // namespace

std::span<const FichaDeMenu> MenusDeLaBarra() { return kMenus; }

std::span<const FilaDeComando> TablaDeComandos() {
    static const std::vector<FilaDeComando> tabla = ConstruyeTabla();
    return tabla;
}

const FilaDeComando* FilaDeComandoDe(int id) {
    if (id == 0) return nullptr;
    for (const FilaDeComando& fila : TablaDeComandos()) {
        if (fila.id == id) return &fila;
    }
    return nullptr;
}

}  // namespace velistra

namespace velistra {

std::vector<const FilaDeComando*> BotonesDeLaBarra(unsigned programa) {
    std::vector<const FilaDeComando*> botones;
    for (const FilaDeComando& fila : TablaDeComandos()) {
        if (fila.boton.orden > 0 && (fila.programas & programa) != 0) botones.push_back(&fila);
    }
    std::stable_sort(botones.begin(), botones.end(), [](const FilaDeComando* a, const FilaDeComando* b) {
        return a->boton.orden < b->boton.orden;
    });
    return botones;
}

std::string NombreDeBoton(const FilaDeComando& fila,
                          const std::function<std::string(const char*)>& traduce) {
    if (fila.boton.ayuda != nullptr) return traduce(fila.boton.ayuda);
    std::string texto = traduce(fila.texto);
    constexpr std::string_view kPuntos = "...";
    if (texto.size() >= kPuntos.size() && texto.compare(texto.size() - kPuntos.size(), kPuntos.size(), kPuntos) == 0)
        texto.resize(texto.size() - kPuntos.size());
    return texto;
}

}  // namespace velistra
