#pragma once
// An engine piece reaching into the session above it: the layer check must refuse this.
#include "sesion/Sesion.h"
