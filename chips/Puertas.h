#pragma once
#include "chips/CircuitoElectronico.h"

namespace velistra {

}  // namespace velistra
