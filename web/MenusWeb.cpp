#include "web/MenusWeb.h"

#include <string>

#include "plataforma/Traducible.h"
#include "sesion/TablaDeComandos.h"
#include "web/Traduccion.h"

namespace velistra {

namespace {

using emscripten::val;

constexpr const char* kSeparadorDeNiveles = " > ";

bool EnElNavegador(const FilaDeComando& fila) { return (fila.programas & kNavegador) != 0; }

// The whole path is translated as one text, so that each level is named the same way
// wherever it appears, then cut into its levels.
val Niveles(const char* submenu) {
    val niveles = val::array();
    const std::string ruta = *submenu ? TextoDelNucleo(submenu) : std::string();
    std::size_t inicio = 0;
    while (inicio < ruta.size()) {
        std::size_t fin = ruta.find(kSeparadorDeNiveles, inicio);
        if (fin == std::string::npos) fin = ruta.size();
        niveles.call<void>("push", ruta.substr(inicio, fin - inicio));
        inicio = fin == ruta.size() ? fin : fin + std::string(kSeparadorDeNiveles).size();
    }
    return niveles;
}

std::string TextoDeFila(const FilaDeComando& fila) {
    std::string texto = TextoDelNucleo(fila.texto);
    if (fila.valor != 0) texto = Rellena(texto, {std::to_string(static_cast<int>(fila.valor))});
    return texto;
}

const char* NombreDeClase(ClaseDeFila clase) {
    switch (clase) {
        case ClaseDeFila::Separador: return "separador";
        case ClaseDeFila::Recientes: return "recientes";
        default: return "orden";
    }
}

const char* NombreDeMarca(Marca marca) {
    switch (marca) {
        case Marca::Casilla: return "casilla";
        case Marca::Opcion: return "opcion";
        default: return "";
    }
}

val Atajos(const FilaDeComando& fila) {
    val atajos = val::array();
    for (const char* atajo : fila.atajos) {
        if (atajo != nullptr) atajos.call<void>("push", std::string(atajo));
    }
    return atajos;
}

val Fila(const FilaDeComando& fila) {
    val f = val::object();
    f.set("id", fila.id);
    f.set("clase", std::string(NombreDeClase(fila.clase)));
    f.set("submenu", Niveles(fila.submenu));
    f.set("texto", TextoDeFila(fila));
    f.set("atajos", Atajos(fila));
    f.set("marca", std::string(NombreDeMarca(fila.marca)));
    f.set("valor", fila.valor);
    return f;
}

}  // namespace

val MenusDelNavegador() {
    val menus = val::array();
    for (const FichaDeMenu& ficha : MenusDeLaBarra()) {
        val filas = val::array();
        for (const FilaDeComando& fila : TablaDeComandos()) {
            if (fila.menu == ficha.menu && EnElNavegador(fila)) filas.call<void>("push", Fila(fila));
        }
        val menu = val::object();
        menu.set("titulo", TextoDelNucleo(ficha.titulo));
        menu.set("filas", filas);
        menus.call<void>("push", menu);
    }
    return menus;
}

val BotonesDelNavegador() {
    val botones = val::array();
    for (const FilaDeComando* fila : BotonesDeLaBarra(kNavegador)) {
        val b = val::object();
        b.set("id", fila->id);
        b.set("grupo", fila->boton.grupo);
        b.set("imagen", fila->boton.imagen);
        b.set("ayuda", NombreDeBoton(*fila, [](const char* t) { return TextoDelNucleo(t); }));
        b.set("atajos", Atajos(*fila));
        botones.call<void>("push", b);
    }
    return botones;
}

}  // namespace velistra
