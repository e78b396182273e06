#include "chips/Combinacionales.h"

#include "chips/Prototipos.h"

namespace velistra {

ListaDePrototipos PrototiposCombinacionales() { return {}; }

}  // namespace velistra
