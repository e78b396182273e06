#pragma once
// A canvas that records every drawing call, so tests can see what was drawn.
#include <array>
#include <string>
#include <vector>

#include "plataforma/Avisos.h"
#include "plataforma/Lienzo.h"
#include "plataforma/Ventana.h"

namespace velistra::prueba {

struct Trazo {
    enum class Tipo { Copia, Pluma, Brocha, MueveA, LineaA, Elipse, Rectangulo, Texto, Rellena };
    explicit Trazo(Tipo t) : tipo(t) {}
    Tipo tipo;
    int a = 0, b = 0, c = 0, d = 0;  // coordinates (x, y, w, h or l, t, r, b)
    int id = 0;                      // image id for copies
    ModoDeCopia modo = ModoDeCopia::Copia;
    Color color = 0;                 // pen, brush, text or fill-boundary colour
    int ancho = 0;                   // pen width
    bool transparente = false;
    std::string texto;
};

// What a picture copy drew, to compare in one go: picture id, x, y, width, height.
inline std::array<int, 5> Copia(const Trazo& t) { return {t.id, t.a, t.b, t.c, t.d}; }

class LienzoDePrueba final : public Lienzo {
public:
    void CopiaImagen(const Imagen& imagen, int x, int y, int w, int h, ModoDeCopia modo) override;
    Pluma SeleccionaPluma(Pluma pluma) override;
    Color SeleccionaBrocha(Color color) override;
    void MueveA(int x, int y) override;
    void LineaA(int x, int y) override;
    void Elipse(int l, int t, int r, int b) override;
    void Rectangulo(int l, int t, int r, int b) override;
    void Texto(int x, int y, const std::string& texto, Color color, bool transparente) override;
    void Rellena(int x, int y, Color borde) override;

    std::vector<Trazo> trazos;
    Pluma pluma;
    Color brocha = Rgb(255, 255, 255);

    // Only the calls of one kind, in order.
    std::vector<Trazo> DeTipo(Trazo::Tipo tipo) const;
};

// Records every message and answers questions with a preset reply.
class AvisosDePrueba final : public Avisos {
public:
    struct Mensaje {
        std::string texto;
        std::string titulo;
        Icono icono;
    };
    void Muestra(const std::string& texto, const std::string& titulo, Icono icono) override {
        mensajes.push_back({texto, titulo, icono});
    }
    Respuesta Pregunta(const std::string& texto, const std::string& titulo) override {
        mensajes.push_back({texto, titulo, Icono::Pregunta});
        return respuesta;
    }
    std::vector<Mensaje> mensajes;
    Respuesta respuesta = Respuesta::No;
};

// Records repaint requests.
class VentanaDePrueba final : public Ventana {
public:
    struct Rectangulo {
        int l, t, r, b;
    };
    void Repinta(int l, int t, int r, int b) override { repintados.push_back({l, t, r, b}); }
    std::vector<Rectangulo> repintados;
};

}  // namespace velistra::prueba
