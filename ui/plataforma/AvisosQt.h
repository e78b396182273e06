#pragma once
// Modal message boxes over the given window.
#include "plataforma/Avisos.h"

class QString;
class QWidget;

namespace velistra {

class AvisosQt final : public Avisos {
public:
    explicit AvisosQt(QWidget* padre) : padre_(padre) {}

    // One "Aceptar" button.
    void Muestra(const std::string& texto, const std::string& titulo, Icono icono) override;
    void MuestraMensaje(const Mensaje& texto, const Mensaje& titulo, Icono icono) override;
    // "Sí", "No" and "Cancelar" with the question icon; Esc and the close box cancel.
    Respuesta Pregunta(const std::string& texto, const std::string& titulo) override;

private:
    void Caja(const QString& texto, const QString& titulo, Icono icono);

    QWidget* padre_;
};

}  // namespace velistra
