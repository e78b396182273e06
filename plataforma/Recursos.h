#pragma once
// The program's bitmap resources by id, with the sizes that boards and chips lay
// their contact areas out on. The GUI draws the pixels; the core only uses sizes.
#include <span>

#include "plataforma/Imagen.h"

namespace velistra::recursos {

inline constexpr Imagen BarraDeHerramientas{60, 600, 16};
inline constexpr Imagen Lienzo{1000, 2000, 1500};
inline constexpr Imagen Protoboard{1002, 877, 276};
inline constexpr Imagen Interruptores{1003, 206, 81};
inline constexpr Imagen InterruptorON{1004, 15, 28};
inline constexpr Imagen Pulsadores{1005, 206, 81};
inline constexpr Imagen PulsadorON{1006, 17, 19};
inline constexpr Imagen Leds{1007, 203, 58};
inline constexpr Imagen LedON{1008, 18, 19};
inline constexpr Imagen Reloj{1009, 206, 81};
inline constexpr Imagen FuenteDC{1010, 77, 128};
inline constexpr Imagen Leds7Segmentos{1012, 449, 130};

inline constexpr Imagen Chip14{2001, 91, 41};
inline constexpr Imagen Mascara14{2002, 91, 41};
inline constexpr Imagen Chip16{2003, 104, 41};
inline constexpr Imagen Mascara16{2004, 104, 41};
inline constexpr Imagen Chip18{2005, 117, 41};
inline constexpr Imagen Mascara18{2006, 117, 41};
inline constexpr Imagen Chip20{2007, 130, 41};
inline constexpr Imagen Mascara20{2008, 130, 41};
inline constexpr Imagen Chip24{2009, 156, 41};
inline constexpr Imagen Mascara24{2010, 156, 41};

inline constexpr Imagen PlaAnd{2400, 57, 49};
inline constexpr Imagen PlaOr{2401, 45, 71};
inline constexpr Imagen PlaNot{2402, 36, 53};
inline constexpr Imagen PlaLedApagado{2403, 18, 19};
inline constexpr Imagen PlaLedEncendido{2404, 18, 19};
inline constexpr Imagen PlaInterruptorApagado{2405, 15, 28};
inline constexpr Imagen PlaInterruptorEncendido{2406, 15, 28};

// Every image the program draws, for the GUI's picture generator and its tests.
std::span<const Imagen> Todas();

// The image with that id, or an invalid image (id 0) for any id the resources lack
// (2101 to 2110 among them).
Imagen PorId(int id);

}  // namespace velistra::recursos
