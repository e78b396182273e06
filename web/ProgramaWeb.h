#pragma once
// The running page: one workbench session driven by the page's mouse, menus and timer,
// with the recovery copy of the circuit kept in the page's stored folder.
#include <memory>
#include <optional>
#include <string>

#include "modelo/Punto.h"
#include "sesion/Recuperacion.h"
#include "sesion/Sesion.h"
#include "web/AvisosWeb.h"
#include "web/DialogosWeb.h"
#include "web/PinturaWeb.h"
#include "web/VentanaWeb.h"

namespace velistra {

// What the page must do after an event, as bits of one number.
enum AccionDeLaPagina : int {
    kRepintar = 1,
    kTitulo = 2,
    kMuevePuntero = 4,
    kMuestraAyuda = 8,
    kCierra = 16,
};

class ProgramaWeb {
public:
    // `carpetaDeDatos`: the stored folder that keeps the recovery copy between visits;
    // `carpetaDePinturas`: the desktop's pictures.
    ProgramaWeb(const std::string& carpetaDeDatos, const std::string& carpetaDePinturas);

    int IzquierdoAbajo(int x, int y);
    int Mueve(int x, int y);
    int IzquierdoArriba(int x, int y);
    int DerechoAbajo(int x, int y);
    // A left press with Shift.
    int AlternaSeleccion(int x, int y);
    // The pointer left the workbench.
    int Sale();
    int Ejecuta(int id);
    int AbreArchivo(const std::string& ruta);
    int Tic();
    // The close request: false keeps the page's circuit (supply on, save cancelled).
    bool PuedeCerrar();
    // Offers the copy a closed or crashed page left behind; answers as the others.
    int OfreceRecuperacion();
    // The page is being left: the copy goes once the circuit is safe, as on a clean exit.
    void Termina();

    void Desplazamiento(int x, int y) { sesion.editor.Desplazamiento(x, y); }
    Sesion& LaSesion() { return sesion; }
    // Where the last event asked the pointer to be (workbench point).
    Punto Puntero() const { return punteroPedido; }
    const std::string& Rechazo() const { return rechazo; }
    std::optional<Punto> PunteroSobreLaMesa() const { return puntero; }
    VentanaWeb& Ventana() { return ventana; }
    PinturaWeb& Pintura() { return pintura; }
    // The visible part of the workbench, with the net under the pointer marked.
    const std::uint8_t* Pinta(int x, int y, int w, int h) { return pintura.Pinta(sesion, puntero, x, y, w, h); }

private:
    int Atiende(const ResultadoDelRaton& resultado);
    int Atiende(const ResultadoDeComando& resultado);
    void AnotaPuntero(int x, int y);

    AvisosWeb avisos;
    DialogosWeb dialogos;
    VentanaWeb ventana;
    Sesion sesion;
    Recuperacion recuperacion;
    PinturaWeb pintura;
    std::optional<Punto> puntero;
    Punto punteroPedido;
    std::string rechazo;
};

// The page's one program, once started.
ProgramaWeb& ElPrograma();

}  // namespace velistra
