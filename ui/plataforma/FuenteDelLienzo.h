#pragma once
#include <QFont>

namespace velistra {

// The font of text drawn on the workbench (chip labels, PLA labels): a plain
// sans-serif of 13 pixels without smoothing, so text keeps its exact colour.
QFont FuenteDelLienzo();

}  // namespace velistra
