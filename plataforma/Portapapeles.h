#pragma once
// The clipboard parts are copied through, as circuit text: the desktop's is the
// system's, so a copy reaches another window; a shell without one keeps its own.
#include <string>

namespace velistra {

class Portapapeles {
public:
    virtual ~Portapapeles() = default;
    virtual void PonTexto(const std::string& texto) = 0;
    virtual std::string Texto() const = 0;
};

// A clipboard of this program alone.
class PortapapelesPropio final : public Portapapeles {
public:
    void PonTexto(const std::string& nuevo) override { texto = nuevo; }
    std::string Texto() const override { return texto; }

private:
    std::string texto;
};

}  // namespace velistra
