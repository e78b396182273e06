#pragma once
// The browser's canvas against the desktop's: the same calls on a LienzoQt and on a
// LienzoDeMapa, and the pixels that differ.
#include <gtest/gtest.h>

#include <QImage>
#include <QRegion>
#include <functional>
#include <vector>

#include "plataforma/Lienzo.h"
#include "web/lienzo/MapaDeBits.h"
#include "web/lienzo/RecursosDeMapa.h"

namespace velistra::prueba {

// What the build made with the desktop's painter, loaded once.
const web::RecursosDeMapa& LosRecursosDeLaWeb();

QImage ComoQImage(const web::MapaDeBits& mapa);

// The drawing done on white by the desktop, at the size given. Qt leaves out the first
// column of wide strokes that leave its image on the left, an edge the workbench's inside
// does not have: by default the desktop draws with room around, then crops. Fills, which
// run over the whole image, want none.
inline constexpr int kHolgura = 64;
QImage DibujaEnElEscritorio(QSize tamano, const std::function<void(Lienzo&)>& dibujo,
                            int holgura = kHolgura);
// The same on the browser's canvas, showing the workbench from `origen` on.
QImage DibujaEnElNavegador(QSize tamano, const std::function<void(Lienzo&)>& dibujo,
                           QPoint origen = QPoint(0, 0));

// Where the two differ, outside `fuera`.
std::vector<QPoint> PixelesDistintos(const QImage& escritorio, const QImage& navegador,
                                     const QRegion& fuera = {});

// Equal outside `fuera`; otherwise how many pixels differ and where the first are.
::testing::AssertionResult MismosPixeles(const QImage& escritorio, const QImage& navegador,
                                         const QRegion& fuera = {});

}  // namespace velistra::prueba
