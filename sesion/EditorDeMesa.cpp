#include "sesion/EditorDeMesa.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "plataforma/Avisos.h"
#include "sesion/Mensajes.h"
#include "sesion/PiezasDeLaMesa.h"
#include "simulacion/Mesa.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

namespace {

using namespace mensajes;
constexpr const char* kTituloDeRechazo = VELISTRA_TEXTO("Información");

bool HayChipEn(const Mesa& mesa, int x, int y) {
    return std::any_of(mesa.componentes().begin(), mesa.componentes().end(),
                       [&](const Componente& chip) { return chip.Cubre(x, y); });
}

bool EsDePalancas(const Tablero& t) { return DescripcionDe(t).palancas > 0; }

}  // namespace

EditorDeMesa::EditorDeMesa(Mesa& mesaDelEditor, Ventana* ventanaDeLaMesa)
    : mesa(mesaDelEditor), ventana(ventanaDeLaMesa), grupo(mesaDelEditor) {}

std::string EditorDeMesa::TextoDePosicion(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

void EditorDeMesa::Desplazamiento(int x, int y) {
    offset = {x, y};
    mesa.cables().DeltaX(x);
    mesa.cables().DeltaY(y);
}

bool EditorDeMesa::EstaEnLaMesa(const Tablero* t) const {
    return t != nullptr && std::any_of(mesa.tablero().begin(), mesa.tablero().end(),
                                       [t](const auto& propio) { return propio.get() == t; });
}

Tablero* EditorDeMesa::TableroArrastrado() const {
    return EstaEnLaMesa(tableroEnMovimiento) ? tableroEnMovimiento : nullptr;
}

Tablero* EditorDeMesa::TableroPulsado() const {
    return bPulsado && EstaEnLaMesa(tableroPulsado) ? tableroPulsado : nullptr;
}

bool EditorDeMesa::AccionEnCurso() const {
    return grupo.EnCurso() || TableroArrastrado() != nullptr || TableroPulsado() != nullptr ||
           mesa.cables().EstaCreando() || mesa.cables().HaCambiado() || mesa.componentes().EstaMoviendo();
}

bool EditorDeMesa::Arrastra() const { return AccionEnCurso() && TableroPulsado() == nullptr; }

ResultadoDelRaton EditorDeMesa::TerminaAccion() {
    if (!AccionEnCurso()) {
        tableroEnMovimiento = nullptr;
        bPulsado = false;
        grupo.OlvidaBanda();
        return {};
    }
    return BotonIzquierdoArriba(ultimo.x, ultimo.y);
}

// ---- Left press ------------------------------------------------------------------------

ResultadoDelRaton EditorDeMesa::BotonIzquierdoAbajo(int x, int y) {
    // A release lost to a modal message must not leave a key held or a chip unplugged.
    ResultadoDelRaton r = TerminaAccion();
    ultimo = {x, y};
    tableroEnMovimiento = nullptr;
    bPulsado = false;
    if (grupo.Agarra(x, y, r)) return r;
    if (!grupo.seleccion.Vacia()) {
        grupo.seleccion = {};
        r.repintar = true;
    }
    const bool libre = grupo.EsEspacioLibre(x, y);
    if (!PulsaTablero(x, y, r)) PulsaFueraDeLosTableros(x, y, r);
    if (libre && !AccionEnCurso()) grupo.IniciaBanda(x, y);
    return r;
}

ResultadoDelRaton EditorDeMesa::AlternaSeleccion(int x, int y) {
    ResultadoDelRaton r = TerminaAccion();
    ultimo = {x, y};
    if (AlternaEn(mesa, grupo.seleccion, x, y)) r.repintar = true;
    return r;
}

bool EditorDeMesa::PulsaTablero(int x, int y, ResultadoDelRaton& r) {
    for (auto& propio : mesa.tablero()) {
        Tablero& t = *propio;
        if (!mesa.bON() && t.MarcadorEn(x, y)) {
            tableroEnMovimiento = &t;
            delta = {x - t.EsquinaX(), y - t.EsquinaY()};
            return true;
        }
        if (EsDePalancas(t) && t.EntradaEn(x, y)) {
            mesa.OperaEntrada(t);
            if (DescripcionDe(t).pulsadores) {
                bPulsado = true;
                tableroPulsado = &t;
            }
            r.repintar = true;
            return true;
        }
        if (DescripcionDe(t).puestoFijo == 0) {
            // A file may hold two supplies: the switch flips the one last pressed.
            mesa.FuenteEnUso(t);
            if (t.EntradaEn(x, y)) {
                mesa.ConmutaFuente();
                r.repintar = true;
                return true;
            }
        }
    }
    return false;
}

void EditorDeMesa::PulsaFueraDeLosTableros(int x, int y, ResultadoDelRaton& r) {
    // A board that takes the click repaints what it changed itself.
    for (auto& t : mesa.tablero()) {
        if (t->ClickIzquierdo(ventana, x, y, offset.x, offset.y)) return;
    }
    if (mesa.cables().ParaModificar(x, y)) {
        r.repintar = true;
        return;
    }
    A = nullptr;
    if (mesa.bON()) {
        if (mesa.PuertoEn(x, y).puerto != nullptr || HayChipEn(mesa, x, y))
            r.rechazo = Rechazo::ModuloEncendido;
        return;
    }

    const PuertoEnLaMesa bajo = mesa.PuertoEn(x, y);
    A = bajo.puerto;
    if (A != nullptr) {
        if (!A->EstaLibre()) {
            r.rechazo = mesa.MotivoParaConectar(A, nullptr);
            return;
        }
        const Punto centro{bajo.tablero->CentroX(), bajo.tablero->CentroY()};
        r.puntero = centro;
        mesa.cables().CreaCable(bajo.tablero->Identificador(), centro.x, centro.y);
        r.repintar = true;
        return;
    }
    if (mesa.componentes().Ubicado(x, y)) {
        if (mesa.componentes().EstaInsertado()) mesa.DesocupaComponente(*mesa.componentes().Seleccionado());
        mesa.componentes().Selecciona();
    }
}

// ---- Mouse move ------------------------------------------------------------------------

ResultadoDelRaton EditorDeMesa::MueveRaton(int x, int y) {
    ultimo = {x, y};
    ResultadoDelRaton r;
    if (grupo.Mueve(x, y)) {
        r.repintar = true;
    } else if (Tablero* t = TableroArrastrado()) {
        ArrastraTablero(*t, x, y);
        r.repintar = true;
    } else if (mesa.cables().EstaCreando() || mesa.cables().HaCambiado()) {
        mesa.cables().EnMovimiento(x, y);
        r.repintar = true;
    } else if (mesa.componentes().EstaMoviendo()) {
        mesa.componentes().EnMovimiento(x, y);
        r.repintar = true;
    }
    return r;
}

void EditorDeMesa::ArrastraTablero(Tablero& t, int x, int y) {
    const Punto antes{t.EsquinaX(), t.EsquinaY()};
    t.UbicaEn(x - delta.x, y - delta.y);
    const Punto d{t.EsquinaX() - antes.x, t.EsquinaY() - antes.y};
    if (d == Punto{}) return;
    mesa.cables().Desplaza(0, t.Identificador(), d);
    mesa.componentes().Desplaza(t.Identificador(), d);
}

// ---- Left release ----------------------------------------------------------------------

ResultadoDelRaton EditorDeMesa::BotonIzquierdoArriba(int x, int y) {
    ultimo = {x, y};
    ResultadoDelRaton r;
    if (grupo.Suelta(x, y, r)) {
        // The band or the group is done.
    } else if (mesa.cables().EstaCreando()) {
        ConcluyeCable(x, y, r);
    } else if (Tablero* t = TableroArrastrado()) {
        // Wires and chips follow to the very spot the board is dropped on.
        ArrastraTablero(*t, x, y);
        tableroEnMovimiento = nullptr;
        r.modificado = r.repintar = true;
    } else if (mesa.cables().HaCambiado()) {
        mesa.cables().BotonArriba(x, y);
        r.modificado = r.repintar = true;
    } else if (mesa.componentes().EstaMoviendo()) {
        SueltaComponente(r);
        mesa.componentes().BotonArriba(x, y);
    } else if (Tablero* t = TableroPulsado()) {
        // The key springs back wherever the pointer is now.
        mesa.OperaEntrada(*t);
        r.repintar = true;
    }
    tableroEnMovimiento = nullptr;
    bPulsado = false;
    return r;
}

void EditorDeMesa::ConcluyeCable(int x, int y, ResultadoDelRaton& r) {
    const PuertoEnLaMesa bajo = mesa.PuertoEn(x, y);
    B = bajo.puerto;
    Puerto* a = A;
    Puerto* b = B;
    // Let go in the air or back on its own start, the wire is simply not wanted.
    if (b != nullptr && b != a) r.rechazo = mesa.MotivoParaConectar(a, b);
    if (b != nullptr && b != a && r.rechazo == Rechazo::Ninguno && mesa.ConectaPuertos(a, b)) {
        const Punto centro{bajo.tablero->CentroX(), bajo.tablero->CentroY()};
        r.puntero = centro;
        mesa.cables().Concluye(bajo.tablero->Identificador(), centro.x, centro.y);
        r.modificado = true;
    }
    // A wire that could not be finished is dropped here.
    mesa.cables().BotonArriba(x, y);
    r.repintar = true;
}

void EditorDeMesa::SueltaComponente(ResultadoDelRaton& r) {
    Componente* chip = mesa.componentes().Seleccionado();
    if (chip == nullptr) return;
    r.rechazo = mesa.IntentaEnchufar(*chip);
    if (r.rechazo != Rechazo::Ninguno) {
        mesa.componentes().Retira();
        // A loose chip belongs to no breadboard, so it stays put when one is dragged.
        mesa.componentes().NumeroDeProtoboard(0);
    }
    r.modificado = r.repintar = true;
}

// ---- Right press -----------------------------------------------------------------------

ResultadoDelRaton EditorDeMesa::BotonDerechoAbajo(int x, int y) {
    ResultadoDelRaton r;
    if (AccionEnCurso()) return r;
    if (mesa.bON()) {
        if (HayQueQuitarEn(x, y)) r.rechazo = Rechazo::ModuloEncendido;
        return r;
    }
    ultimo = {x, y};
    if (mesa.cables().ParaModificar(x, y)) {
        RetiraCable(r);
    } else if (mesa.componentes().ParaEliminar(x, y)) {
        RetiraComponente(r);
    } else {
        RetiraTablero(x, y, r);
    }
    // The lists changed under the selection.
    if (r.modificado) grupo.seleccion = {};
    return r;
}

bool EditorDeMesa::HayQueQuitarEn(int x, int y) const {
    const std::vector<Cable>& cables = mesa.cables().Lista();
    // A copy takes the hit test, which marks the segment it found.
    if (std::any_of(cables.begin(), cables.end(), [&](Cable c) { return c.PasaPor(x, y); }) ||
        HayChipEn(mesa, x, y))
        return true;
    return std::any_of(mesa.tablero().begin(), mesa.tablero().end(), [&](const auto& t) {
        return t.get() != mesa.fuentedc() && t->MarcadorEn(x, y);
    });
}

void EditorDeMesa::RetiraCable(ResultadoDelRaton& r) {
    const int i = mesa.cables().Indice();
    const Cable cable = mesa.cables().Lista()[static_cast<std::size_t>(i)];
    std::tie(A, B) = PuertosDelCable(mesa, cable);
    mesa.cables().RetiraCable();
    mesa.DesconectaPuertos(A, B);
    r.modificado = r.repintar = true;
}

void EditorDeMesa::RetiraComponente(ResultadoDelRaton& r) {
    if (Componente* chip = mesa.componentes().Seleccionado(); chip != nullptr && chip->EstaInsertado())
        mesa.DesocupaComponente(*chip);
    mesa.componentes().EliminaSeleccionado();
    // The selection would otherwise name the next chip.
    mesa.componentes().BotonArriba(0, 0);
    r.modificado = r.repintar = true;
}

void EditorDeMesa::RetiraTablero(int x, int y, ResultadoDelRaton& r) {
    for (const auto& propio : mesa.tablero()) {
        Tablero* t = propio.get();
        // The supply can never be removed.
        if (t == mesa.fuentedc() || !t->MarcadorEn(x, y)) continue;
        if (!t->EstaLimpio()) {
            r.rechazo = Rechazo::TableroOcupado;
            mesa.avisos().Muestra(kTableroOcupado, kTituloDeRechazo, Icono::Error);
            return;
        }
        if (t == mesa.reloj()) {
            // Every bench keeps its timer board; it is only put away.
            t->Oculta();
        } else {
            mesa.QuitaTablero(*t);
        }
        r.modificado = r.repintar = true;
        return;
    }
}

}  // namespace velistra
