#include "simulacion/Mesa.h"

namespace velistra {

Mesa::Mesa(Avisos& avisosDeLaMesa) : avisos(avisosDeLaMesa) {}

}  // namespace velistra
