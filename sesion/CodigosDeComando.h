#pragma once
// Command ids of the menus and the toolbar. A chip's command is its catalogue code.

namespace velistra::comandos {

inline constexpr int kNuevo = 101;
inline constexpr int kRecuperar = 102;
inline constexpr int kAlmacenar = 103;
inline constexpr int kAlmacenarEn = 104;
inline constexpr int kDeshacer = 110;
inline constexpr int kRehacer = 111;
inline constexpr int kColorDeCable = 120;
inline constexpr int kAyuda = 300;
inline constexpr int kSalir = 905;
inline constexpr int kPLA = 4992;
inline constexpr int kTemporizador = 4994;
inline constexpr int kSieteSegmentos = 4995;
inline constexpr int kLeds = 4996;
inline constexpr int kPulsadores = 4997;
inline constexpr int kInterruptores = 4998;
inline constexpr int kProtoboard = 4999;
inline constexpr int kPrimerChip = 7000;
inline constexpr int kUltimoChip = 7669;

}  // namespace velistra::comandos
