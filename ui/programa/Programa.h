#pragma once
// The running program: the main window driving one workbench session for the
// program's life. Menu commands, mouse events, the timer and the close request go to
// the session; its answers become repaints, pointer moves and the window title.
#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "sesion/Recuperacion.h"
#include "sesion/PintaMesa.h"
#include "sesion/Sesion.h"
#include "ui/plataforma/AvisosQt.h"
#include "ui/plataforma/DialogosQt.h"
#include "ui/plataforma/PortapapelesQt.h"
#include "ui/programa/Preferencias.h"
#include "ui/ventana/ManejadorDeComandos.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace velistra {

class Imagenes;
class Lienzo;

class Programa final : public ManejadorDeComandos {
public:
    // With `carpetaDeRecuperacion`, copies of the circuit are kept there while it is
    // changed (see Recuperacion); without it, none (the in-process tests).
    explicit Programa(const Imagenes& imagenes,
                      std::optional<std::filesystem::path> carpetaDeRecuperacion = std::nullopt);
    Programa(const Programa&) = delete;
    Programa& operator=(const Programa&) = delete;
    ~Programa() override;

    VentanaPrincipal& Principal() { return ventana_; }
    Sesion& LaSesion() { return sesion_; }

    // At start-up: offers the circuits that programs which ended without saving left
    // behind, one after the other until one is recovered. `respuesta` answers for the
    // user (true: recover) without showing the question, for tests of the process.
    void OfreceRecuperacion(std::optional<bool> respuesta = std::nullopt);

    void Comando(int id) override;
    // A file of "Archivos recientes": loaded as "Recuperar..." loads, or, when it is
    // gone, dropped from the list after telling the user.
    void AbreReciente(const QString& ruta);
    // A circuit named on the command line (a double click in a file manager): loaded as
    // "Recuperar..." loads, its messages included.
    void AbreArchivo(const QString& ruta);
    // The session is ending (SIGTERM, SIGHUP): nobody is there to answer the save
    // question, so the recovery copy is brought up to date and kept for the next start.
    void GuardaLaCopia();
    bool PuedeCerrar() override;
    void Tic() override;

private:
    void ConectaElRaton();
    // "Ajustar al circuito": the parts in use, as large as the window shows them.
    void AjustaAlCircuito();
    // The logic probe follows the pointer; the status bar says what it finds, or why the
    // workbench refused the last action, or that the circuit does not settle.
    void ConectaLaSonda();
    void Sondea(std::optional<Punto> puntero);
    void ActualizaEstado();
    void MuestraRechazo(Rechazo rechazo);
    void Atiende(const ResultadoDelRaton& resultado);
    void Atiende(const ResultadoDeComando& resultado);
    void ActualizaTitulo();
    // Undo and redo greyed out when there is nothing to undo or redo.
    void ActualizaDeshacer();
    void Repinta();
    void RevisaCopia();
    // The file the circuit now belongs to goes first in the recent files.
    void AnotaReciente();

    VentanaPrincipal ventana_;
    AvisosQt avisos_;
    DialogosQt dialogos_;
    PortapapelesQt portapapeles_;
    Sesion sesion_;
    std::unique_ptr<Recuperacion> recuperacion_;
    Preferencias preferencias_;
    std::string anotado_;
    std::optional<Punto> puntero_;
    // The net the probe last showed, so that moving along it repaints nothing.
    std::optional<int> nodoSondeado_;
    // A refusal at the press stays while the button is held: it is about that press.
    bool izquierdoPulsado_ = false;
    // The circuits the session has had (new, loaded, recovered), to show each new one.
    unsigned reemplazosVistos_ = 0;
    // Context of the window's signals to this program: they end before the session.
    QObject contexto_;
};

}  // namespace velistra
