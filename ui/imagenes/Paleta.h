#pragma once
// Colours of the drawn laboratory trainer.
#include <QRgb>

namespace velistra::paleta {

// Instrument boards: anodised blue panel with white print.
inline constexpr QRgb kPanel = qRgb(38, 64, 108);
inline constexpr QRgb kPanelLuz = qRgb(86, 116, 166);
inline constexpr QRgb kPanelSombra = qRgb(16, 28, 52);
inline constexpr QRgb kSerigrafia = qRgb(236, 236, 226);

// Breadboard.
inline constexpr QRgb kBeige = qRgb(236, 226, 198);
inline constexpr QRgb kBeigeBorde = qRgb(168, 156, 124);
inline constexpr QRgb kCanal = qRgb(218, 206, 174);
inline constexpr QRgb kCanalSombra = qRgb(190, 178, 146);
inline constexpr QRgb kAgujero = qRgb(46, 42, 36);
inline constexpr QRgb kAgujeroBorde = qRgb(132, 122, 100);
inline constexpr QRgb kRotuloProtoboard = qRgb(110, 100, 80);
inline constexpr QRgb kBusPositivo = qRgb(206, 40, 40);
inline constexpr QRgb kBusNegativo = qRgb(40, 80, 200);

// Terminals and handles.
inline constexpr QRgb kLaton = qRgb(214, 178, 64);
inline constexpr QRgb kLatonBorde = qRgb(112, 88, 24);
inline constexpr QRgb kMetal = qRgb(188, 190, 196);
inline constexpr QRgb kMetalLuz = qRgb(232, 234, 238);
inline constexpr QRgb kMetalSombra = qRgb(92, 94, 100);

// Seven-segment displays: the boards fill a lit segment in red up to black.
inline constexpr QRgb kNegro = qRgb(0, 0, 0);
inline constexpr QRgb kSegmentoApagado = qRgb(86, 86, 86);

// PLA tutorial board.
inline constexpr QRgb kBlanco = qRgb(255, 255, 255);

}  // namespace velistra::paleta
