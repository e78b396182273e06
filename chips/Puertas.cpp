#include "chips/Puertas.h"

#include "chips/Prototipos.h"

namespace velistra {

ListaDePrototipos PrototiposDePuertas() { return {}; }

}  // namespace velistra
