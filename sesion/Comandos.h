#pragma once
#include <string>

#include "sesion/ArchivoActual.h"

namespace velistra {

class Dialogos;
class Mesa;

// What the window must do after a command.
struct ResultadoDeComando {
    bool repintar = false;
    bool mostrarAyuda = false;
    // Ask the window to close; the close itself goes through PuedeCerrar.
    bool cerrar = false;
};

// The menu and toolbar commands, the close request and the timer tick, without a
// window: new, load, save, wire colour, boards, chips, the timer board. Keeps whether
// the circuit was changed since it was last saved or loaded, and whether it ever was.
class Comandos {
public:
    Comandos(Mesa& mesa, Dialogos& dialogos);

    ResultadoDeComando Ejecuta(int id);
    // Whether Ejecuta carries out command `id`.
    static bool Conoce(int id);
    // "Recuperar..." of a file already named (a recent one): refused while the supply is
    // on, after the save question, with the messages of a load.
    ResultadoDeComando RecuperaArchivo(const std::string& ruta);
    // The window is asked to close. False keeps it open (supply on, save cancelled or
    // failed); on true the workbench has been cleared.
    bool PuedeCerrar();
    // One tick of the periodic timer; answers whether to repaint. A tick that arrives
    // while a settling's message is open does nothing.
    bool Tic();

    // A recovery copy of a circuit that belonged to `nombre` (empty: never saved) replaces
    // the workbench's, as a load does; it comes back unsaved.
    bool RecuperaCopia(const std::string& copia, const std::string& nombre);
    // An edit on the workbench changed the circuit.
    void MarcaModificado() { bModificado = true; }
    // An undo or redo: the circuit is or is not the saved one again.
    void Modificado(bool modificado) { bModificado = modificado; }
    // Counts the times the workbench got another circuit (new, loaded, recovered).
    unsigned Reemplazos() const { return reemplazos; }
    // Refuses, telling the user, while the supply is on.
    bool RechazaEncendido(const char* texto);
    bool Modificado() const { return bModificado; }
    bool EsNuevo() const { return bEsNuevo; }
    const std::string& Archivo() const { return archivo.Nombre(); }
    // The main window's title.
    const std::string& Titulo() const { return archivo.Titulo(); }

private:
    ResultadoDeComando Nuevo();
    ResultadoDeComando Recupera();
    // Both loads: `carga` replaces the workbench's circuit, or answers false.
    template <typename Carga>
    ResultadoDeComando Abre(Carga carga);
    void Almacena();
    void AlmacenaEn();
    ResultadoDeComando AgregaTablero(int tipo, bool modifica);
    ResultadoDeComando AgregaChip(int codigo);
    // Offers to save a changed circuit before it is dropped; false abandons the command.
    bool PreguntaSiGuardar();

    Mesa& mesa;
    Dialogos& dialogos;
    ArchivoActual archivo;
    bool bModificado = false;
    bool bEsNuevo = true;
    unsigned reemplazos = 0;
};

}  // namespace velistra
