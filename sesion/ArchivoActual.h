#pragma once
#include <string>
#include <utility>

#include "plataforma/Textos.h"

namespace velistra {

class Dialogos;
class Mesa;

// The file the circuit belongs to and the window title that shows it: saving, saving
// under a new name and loading, with their dialogs and their messages to the user.
class ArchivoActual {
public:
    static constexpr const char* kTituloInicial = textos::kTituloDelPrograma;

    ArchivoActual(Mesa& mesa, Dialogos& dialogos);

    // Writes the circuit to the current file; false, after telling the user, on failure.
    bool GuardaCircuito();
    // Asks for a name and writes there. The name becomes the current one only once the
    // circuit is safely in it, so a cancelled or failed attempt keeps the old file.
    bool GuardaCircuitoComo();
    // Asks for a file and loads it; true only when a circuit replaced the workbench's.
    bool RecuperaCircuito();
    // Loads the file `ruta` without asking for it (a recent file); true as above.
    bool RecuperaCircuitoDe(const std::string& ruta);
    // Loads the recovery copy `copia` of a circuit that belonged to `nombre` (empty when it
    // was never saved), with the messages of a load; the name becomes the current one.
    bool RecuperaCopia(const std::string& copia, const std::string& nombre);

    const std::string& Nombre() const { return szFile; }
    const std::string& Titulo() const { return titulo; }
    void Titulo(std::string nuevo) { titulo = std::move(nuevo); }

private:
    bool GuardaEn(const std::string& ruta);
    bool Carga(const std::string& ruta);

    Mesa& mesa;
    Dialogos& dialogos;
    std::string szFile;
    std::string titulo = kTituloInicial;
};

}  // namespace velistra
