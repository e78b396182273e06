#include "ui/programa/Programa.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <chrono>

#include "plataforma/Textos.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/LazosAlLimite.h"
#include "simulacion/Sonda.h"
#include "ui/idiomas/EleccionDeIdioma.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/programa/Analizador.h"
#include "ui/programa/Docencia.h"
#include "ui/programa/Exportacion.h"
#include "ui/programa/Patillaje.h"
#include "ui/practicas/Practicas.h"
#include "ui/ventana/BarraDeEstado.h"
#include "ui/ventana/TeclasDeMesa.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {

namespace {

bool PreguntaSiRecupera(QWidget* padre, const Mensaje& texto) {
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

// The parts in use, as the window's rectangle; empty on an empty bench.
QRect ZonaDelCircuito(const Sesion& sesion) {
    const std::optional<Area> area = sesion.AreaDelCircuito();
    return area ? QRect(QPoint(area->l, area->t), QPoint(area->r - 1, area->b - 1)) : QRect();
}

}  // namespace

Programa::Programa(const Imagenes& imagenes,
                   std::optional<std::filesystem::path> carpetaDeRecuperacion)
    : ventana_(imagenes),
      avisos_(&ventana_),
      dialogos_(&ventana_),
      sesion_(avisos_, dialogos_, &ventana_.Mesa()) {
    sesion_.UsaPortapapeles(portapapeles_);
    VentanaDeMesa& mesa = ventana_.Mesa();
    const QPoint desplazamiento = mesa.Desplazamiento();
    sesion_.editor.Desplazamiento(desplazamiento.x(), desplazamiento.y());
    QObject::connect(&mesa, &VentanaDeMesa::Desplazado, &contexto_,
                     [this](int x, int y) { sesion_.editor.Desplazamiento(x, y); });
    mesa.Escena(
        [this](Lienzo& lienzo, const std::function<void()>& corta) { sesion_.PintaFija(lienzo, corta); },
        [this](Lienzo& lienzo, const std::function<void()>& corta) {
            sesion_.PintaEncima(lienzo, puntero_, corta);
        });
    // First: a press clears the last refusal before the editor may give another.
    ConectaLaSonda();
    ConectaElRaton();
    mesa.Arrastrando([this] { return sesion_.editor.Arrastra(); });
    mesa.Ocupado([this] { return ZonaDelCircuito(sesion_); });
    const auto barra = [this] { sesion_.EscalaDeLaVista(ventana_.Mesa().Escala()); };
    barra();
    QObject::connect(&mesa, &VentanaDeMesa::NivelCambiado, &contexto_, barra);
    ventana_.Manejador(this);
    ventana_.Atiende(comandos::kAjustarAlCircuito, [this] { AjustaAlCircuito(); });
    AtiendeLaDocencia(ventana_, sesion_);
    AgregaPatillaje(ventana_, sesion_, contexto_);
    AtiendeLaExportacion(ventana_, sesion_, imagenes, dialogos_);
    AgregaAnalizador(ventana_, sesion_, dialogos_);
    new Practicas(ventana_, sesion_, [this](const ResultadoDeComando& r) { Atiende(r); },
                  CarpetaDelCurso(), contexto_);
    ventana_.Menus().MuestraRecientes([this] { return preferencias_.Recientes(); },
                                      [this](const QString& ruta) { AbreReciente(ruta); });
    // Where the window was when the program last closed; the first start keeps its own.
    if (const QByteArray geometria = preferencias_.GeometriaDeLaVentana(); !geometria.isEmpty())
        ventana_.restoreGeometry(geometria);
    AtiendeElIdioma(ventana_);
    if (carpetaDeRecuperacion)
        recuperacion_ = std::make_unique<Recuperacion>(std::move(*carpetaDeRecuperacion));
    ActualizaTitulo();
    ActualizaDeshacer();
}

void Programa::OfreceRecuperacion(std::optional<bool> respuesta) {
    if (!recuperacion_) return;
    while (const std::optional<CopiaPendiente> copia = recuperacion_->Pendiente()) {
        if (respuesta ? *respuesta
                      : PreguntaSiRecupera(&ventana_, Recuperacion::MensajeDeOferta(*copia))) {
            recuperacion_->Recupera(sesion_.mesa, sesion_.comandos);
            // Another circuit: its own history, and the faults of its file.
            sesion_.Sincroniza();
            break;
        }
        recuperacion_->Descarta();
    }
    ActualizaTitulo();
    ActualizaDeshacer();
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
    ventana_.Mesa().Arrastrando({});
    ventana_.Mesa().Ocupado({});
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
    QObject::connect(mesa, &VentanaDeMesa::MayusculasPulsado, &contexto_,
                     [this](int x, int y) { Atiende(sesion_.AlternaSeleccion(x, y)); });
}

void Programa::AjustaAlCircuito() {
    if (const QRect zona = ZonaDelCircuito(sesion_); !zona.isEmpty()) ventana_.Mesa().AjustaA(zona);
}

void Programa::ConectaLaSonda() {
    // With a running timer the limit message would come back on every tick.
    sesion_.AvisaUnaVezPorEncendido();
    VentanaDeMesa* mesa = &ventana_.Mesa();
    QObject::connect(mesa, &VentanaDeMesa::PunteroMovido, &contexto_,
                     [this](int x, int y) { Sondea(Punto{x, y}); });
    QObject::connect(mesa, &VentanaDeMesa::PunteroFuera, &contexto_,
                     [this] { Sondea(std::nullopt); });
    QObject::connect(mesa, &VentanaDeMesa::IzquierdoPulsado, &contexto_, [this] {
        izquierdoPulsado_ = true;
        ventana_.Estado().QuitaRechazo();
    });
    QObject::connect(mesa, &VentanaDeMesa::IzquierdoSoltado, &contexto_, [this] { izquierdoPulsado_ = false; });
    QObject::connect(mesa, &VentanaDeMesa::DerechoPulsado, &contexto_,
                     [this] { ventana_.Estado().QuitaRechazo(); });
    QObject::connect(mesa, &VentanaDeMesa::ModoSondaCambiado, &contexto_, [this](bool activo) {
        ventana_.Estado().MuestraModo(
            activo ? QCoreApplication::translate("velistra::Programa", "Sonda") : QString(),
            activo ? QCoreApplication::translate(
                         "velistra::Programa",
                         "Un clic en un hueco o un terminal añade un canal al analizador; Esc deja la sonda.")
                   : QString());
    });
}

void Programa::Sondea(std::optional<Punto> puntero) {
    puntero_ = puntero;
    std::optional<int> nodo;
    if (puntero_) {
        const std::optional<LecturaDeSonda> lectura =
            velistra::Sondea(sesion_.mesa, puntero_->x, puntero_->y);
        if (lectura) nodo = lectura->nodo;
    }
    if (nodo == nodoSondeado_) return;
    // Another net: the reason for a refusal on the last one has been read.
    nodoSondeado_ = nodo;
    if (nodo && !izquierdoPulsado_) ventana_.Estado().QuitaRechazo();
    Repinta();
}

void Programa::ActualizaEstado() {
    Mesa& mesa = sesion_.mesa;
    std::optional<LecturaDeSonda> lectura;
    if (puntero_) lectura = velistra::Sondea(mesa, puntero_->x, puntero_->y);
    QString texto;
    if (lectura)
        texto = DelNucleo(MensajeDeSonda(*lectura));
    else if (mesa.SinAsentar())
        texto = DelNucleo(MensajeDeRealimentacion(mesa.componentes(), mesa.Lazos()));
    ventana_.Estado().MuestraSonda(texto);
}

void Programa::MuestraRechazo(Rechazo rechazo) {
    if (rechazo != Rechazo::Ninguno)
        ventana_.Estado().MuestraRechazo(DelNucleo(TextoDeRechazo(rechazo)));
}

void Programa::Atiende(const ResultadoDelRaton& resultado) {
    MuestraRechazo(resultado.rechazo);
    if (resultado.modificado) ActualizaTitulo();
    ActualizaDeshacer();
    if (resultado.puntero)
        ventana_.Mesa().MuevePunteroA(resultado.puntero->x, resultado.puntero->y);
    if (resultado.repintar) Repinta();
    RevisaCopia();
}

void Programa::Atiende(const ResultadoDeComando& resultado) {
    // Another circuit: wherever the last one was scrolled to, this one is shown.
    if (sesion_.comandos.Reemplazos() != reemplazosVistos_) {
        reemplazosVistos_ = sesion_.comandos.Reemplazos();
        ventana_.Mesa().MuestraLoOcupado();
    }
    ActualizaTitulo();
    ActualizaDeshacer();
    AnotaReciente();
    RevisaCopia();
    if (resultado.repintar) Repinta();
    if (resultado.mostrarAyuda) ventana_.MuestraAyuda();
    if (resultado.cerrar) ventana_.close();
}

void Programa::Comando(int id) {
    if (id == comandos::kBorrarSeleccion && sesion_.editor.LaSeleccion().Vacia()) {
        SuprimeBajoElPuntero(ventana_.Mesa());
        return;
    }
    Atiende(sesion_.Ejecuta(id));
}

void Programa::AbreReciente(const QString& ruta) {
    if (!QFileInfo(ruta).isFile()) {
        preferencias_.QuitaReciente(ruta);
        avisos_.Muestra(QCoreApplication::translate(
                            "velistra::Programa",
                            "No se encuentra el archivo «%1»; se quita de los archivos recientes.")
                            .arg(ruta)
                            .toStdString(),
                        textos::kTituloDeArchivos, Icono::Advertencia);
        return;
    }
    Atiende(sesion_.AbreArchivo(ruta.toStdString()));
}

void Programa::AnotaReciente() {
    const std::string& archivo = sesion_.comandos.Archivo();
    if (archivo.empty() || archivo == anotado_) return;
    anotado_ = archivo;
    preferencias_.AnotaReciente(QString::fromStdString(archivo));
}

void Programa::AbreArchivo(const QString& ruta) {
    Atiende(sesion_.AbreArchivo(QFileInfo(ruta).absoluteFilePath().toStdString()));
}

void Programa::GuardaLaCopia() {
    if (recuperacion_) recuperacion_->Actualiza(sesion_.mesa, sesion_.comandos);
}

bool Programa::PuedeCerrar() {
    const bool puede = sesion_.PuedeCerrar();
    if (puede) preferencias_.GuardaGeometriaDeLaVentana(ventana_.saveGeometry());
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

void Programa::ActualizaDeshacer() {
    ventana_.Habilita(comandos::kDeshacer, sesion_.PuedeDeshacer());
    ventana_.Habilita(comandos::kRehacer, sesion_.PuedeRehacer());
}

void Programa::Repinta() {
    ventana_.Mesa().Actualiza();
    // Levels and loops may have moved with whatever asked for the repaint.
    ActualizaEstado();
}

}  // namespace velistra
