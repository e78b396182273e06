#pragma once
// Command ids of the menus and the toolbar. A chip's command is its catalogue code.
// Test scripts name commands by these numbers: never renumber one. The boards' own are
// beside their descriptions.
#include "tableros/DescripcionesDeTableros.h"

namespace velistra::comandos {

inline constexpr int kNuevo = 101;
inline constexpr int kRecuperar = 102;
inline constexpr int kAlmacenar = 103;
inline constexpr int kAlmacenarEn = 104;
inline constexpr int kArchivosRecientes = 105;
inline constexpr int kRevisarCircuito = 106;
inline constexpr int kFallos = 107;
inline constexpr int kDeshacer = 110;
inline constexpr int kRehacer = 111;
inline constexpr int kCortar = 112;
inline constexpr int kCopiar = 113;
inline constexpr int kPegar = 114;
inline constexpr int kBorrarSeleccion = 115;
inline constexpr int kSeleccionarTodo = 116;
inline constexpr int kColorDeCable = 120;
inline constexpr int kExportarImagen = 130;
inline constexpr int kImprimir = 131;
inline constexpr int kExportarInforme = 132;
inline constexpr int kAcercar = 200;
inline constexpr int kAlejar = 201;
inline constexpr int kTamanoNormal = 202;
// The zoom levels, one id each from here on, in the order of kNivelesDeZoom.
inline constexpr int kPrimerNivelDeZoom = 210;
inline constexpr int kAjustarALaVentana = 220;
inline constexpr int kAjustarAlCircuito = 221;
inline constexpr int kPatillaje = 230;
inline constexpr int kAnalizadorLogico = 231;
inline constexpr int kPracticasDelCurso = 240;
inline constexpr int kAbrirPractica = 241;
inline constexpr int kAyuda = 300;
inline constexpr int kEspanol = 310;
inline constexpr int kIngles = 311;
inline constexpr int kSalir = 905;

}  // namespace velistra::comandos
