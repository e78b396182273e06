#include "ui/programa/Programa.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <chrono>

#include "sesion/CodigosDeComando.h"
#include "ui/idiomas/EleccionDeIdioma.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/programa/Docencia.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {

void PintaMesa(Mesa& mesa, Lienzo& lienzo) {
    for (auto& tablero : mesa.tablero) tablero->Dibuja(lienzo);
    mesa.componentes.Dibuja(lienzo);
    mesa.cables.Dibuja(lienzo);
}

namespace {

bool PreguntaSiRecupera(QWidget* padre, const std::string& texto) {
    QMessageBox caja(QMessageBox::Question, DelNucleo(Recuperacion::kTitulo), DelNucleo(texto),
                     QMessageBox::NoButton, padre);
    QPushButton* recuperar =
        caja.addButton(DelNucleo(Recuperacion::kRecuperar), QMessageBox::AcceptRole);
    QPushButton* descartar =
        caja.addButton(DelNucleo(Recuperacion::kDescartar), QMessageBox::DestructiveRole);
    caja.setDefaultButton(recuperar);
    // Closing the box discards nothing: the copy is offered again at the next start.
    caja.setEscapeButton(recuperar);
    caja.exec();
    return caja.clickedButton() != descartar;
}

}  // namespace

Programa::Programa(const Imagenes& imagenes,
                   std::optional<std::filesystem::path> carpetaDeRecuperacion)
    : ventana_(imagenes),
      avisos_(&ventana_),
      dialogos_(&ventana_),
      sesion_(avisos_, dialogos_, &ventana_.Mesa()) {
    VentanaDeMesa& mesa = ventana_.Mesa();
    const QPoint desplazamiento = mesa.Desplazamiento();
    sesion_.editor.Desplazamiento(desplazamiento.x(), desplazamiento.y());
    QObject::connect(&mesa, &VentanaDeMesa::Desplazado, &contexto_,
                     [this](int x, int y) { sesion_.editor.Desplazamiento(x, y); });
    mesa.Dibujante([this](Lienzo& lienzo) { PintaMesa(sesion_.mesa, lienzo); });
    ConectaElRaton();
    ventana_.Manejador(this);
    AgregaMenuDeDocencia(ventana_, sesion_);
    AgregaMenuDeIdioma(*ventana_.menuBar());
    if (carpetaDeRecuperacion)
        recuperacion_ = std::make_unique<Recuperacion>(std::move(*carpetaDeRecuperacion));
    ActualizaTitulo();
}

void Programa::OfreceRecuperacion(std::optional<bool> respuesta) {
    if (!recuperacion_) return;
    while (const std::optional<CopiaPendiente> copia = recuperacion_->Pendiente()) {
        if (respuesta ? *respuesta : PreguntaSiRecupera(&ventana_, Recuperacion::Oferta(*copia))) {
            recuperacion_->Recupera(sesion_.mesa, sesion_.comandos);
            break;
        }
        recuperacion_->Descarta();
    }
    ActualizaTitulo();
    Repinta();
}

void Programa::RevisaCopia() {
    if (recuperacion_)
        recuperacion_->Revisa(sesion_.mesa, sesion_.comandos, std::chrono::steady_clock::now());
}

Programa::~Programa() {
    // The window outlives the session by a moment; nothing may reach it then.
    ventana_.Manejador(nullptr);
    ventana_.Mesa().Dibujante({});
}

void Programa::ConectaElRaton() {
    VentanaDeMesa* mesa = &ventana_.Mesa();
    QObject::connect(mesa, &VentanaDeMesa::IzquierdoPulsado, &contexto_,
                     [this](int x, int y) { Atiende(sesion_.BotonIzquierdoAbajo(x, y)); });
    QObject::connect(mesa, &VentanaDeMesa::PunteroMovido, &contexto_,
                     [this](int x, int y) { Atiende(sesion_.MueveRaton(x, y)); });
    QObject::connect(mesa, &VentanaDeMesa::IzquierdoSoltado, &contexto_,
                     [this](int x, int y) { Atiende(sesion_.BotonIzquierdoArriba(x, y)); });
    QObject::connect(mesa, &VentanaDeMesa::DerechoPulsado, &contexto_,
                     [this](int x, int y) { Atiende(sesion_.BotonDerechoAbajo(x, y)); });
}

void Programa::Atiende(const ResultadoDelRaton& resultado) {
    if (resultado.modificado) ActualizaTitulo();
    if (resultado.puntero)
        ventana_.Mesa().MuevePunteroA(resultado.puntero->x, resultado.puntero->y);
    if (resultado.repintar) Repinta();
    RevisaCopia();
}

void Programa::Atiende(const ResultadoDeComando& resultado) {
    ActualizaTitulo();
    RevisaCopia();
    if (resultado.repintar) Repinta();
    if (resultado.mostrarAyuda) ventana_.MuestraAyuda();
    if (resultado.cerrar) ventana_.close();
}

void Programa::Comando(int id) {
    const ResultadoDeComando resultado = sesion_.Ejecuta(id);
    if (id == comandos::kRecuperar) PlantaFallosDelCircuito(sesion_);
    Atiende(resultado);
}

bool Programa::PuedeCerrar() {
    const bool puede = sesion_.PuedeCerrar();
    if (puede && recuperacion_) recuperacion_->Termina();
    // A save inside the question may have named the file.
    ActualizaTitulo();
    Repinta();
    return puede;
}

void Programa::Tic() {
    if (sesion_.Tic()) Repinta();
    RevisaCopia();
}

void Programa::ActualizaTitulo() {
    // The platform's unsaved mark; an unchanged circuit keeps its bare title.
    const bool modificado = sesion_.comandos.Modificado();
    const QString titulo = DelNucleo(sesion_.comandos.Titulo());
    ventana_.setWindowTitle(modificado ? titulo + QStringLiteral("[*]") : titulo);
    ventana_.setWindowModified(modificado);
}

void Programa::Repinta() { ventana_.Mesa().viewport()->update(); }

}  // namespace velistra
