#pragma once
// The system clipboard, so that parts copied in one window paste into another.
#include "plataforma/Portapapeles.h"

namespace velistra {

class PortapapelesQt final : public Portapapeles {
public:
    void PonTexto(const std::string& texto) override;
    std::string Texto() const override;
};

}  // namespace velistra
