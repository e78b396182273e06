#pragma once
// The message boxes as the page's modal dialogs. The core waits for the answer: the call
// is suspended (Asyncify) until the user closes the dialog.
#include "plataforma/Avisos.h"

namespace velistra {

class AvisosWeb final : public Avisos {
public:
    void Muestra(const std::string& texto, const std::string& titulo, Icono icono) override;
    Respuesta Pregunta(const std::string& texto, const std::string& titulo) override;
    void MuestraMensaje(const Mensaje& texto, const Mensaje& titulo, Icono icono) override;
};

}  // namespace velistra
