#pragma once
// Modal messages to the user: message boxes in the GUI, standard error in the CLI.
#include <string>

#include "plataforma/Mensaje.h"

namespace velistra {

enum class Icono { Error, Advertencia, Pregunta, Informacion };
enum class Respuesta { Si, No, Cancelar };

class Avisos {
public:
    virtual ~Avisos() = default;
    virtual void Muestra(const std::string& texto, const std::string& titulo, Icono icono) = 0;
    // Yes / No / Cancel question.
    virtual Respuesta Pregunta(const std::string& texto, const std::string& titulo) = 0;
    // A message with arguments; each shell says it in its language, Spanish by default.
    virtual void MuestraMensaje(const Mensaje& texto, const Mensaje& titulo, Icono icono);
};

// Says nothing and answers No: for workbenches that nobody watches.
class AvisosMudos final : public Avisos {
public:
    void Muestra(const std::string&, const std::string&, Icono) override {}
    Respuesta Pregunta(const std::string&, const std::string&) override { return Respuesta::No; }
};

}  // namespace velistra
