#pragma once
#include <iosfwd>

#include "plataforma/Avisos.h"

namespace velistra::consola {

// The program's messages as lines of text on a stream (standard error): nobody is
// there to click a box away, so a message is written and the run goes on.
class AvisosDeConsola final : public Avisos {
public:
    explicit AvisosDeConsola(std::ostream& salida) : salida(salida) {}

    void Muestra(const std::string& texto, const std::string& titulo, Icono icono) override;
    void MuestraMensaje(const Mensaje& texto, const Mensaje& titulo, Icono icono) override;
    // Nothing in a run asks to save; were it to, the answer keeps the files untouched.
    Respuesta Pregunta(const std::string& texto, const std::string& titulo) override;

private:
    std::ostream& salida;
};

}  // namespace velistra::consola
