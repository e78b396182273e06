#include "chips/Biestables.h"

#include "chips/Prototipos.h"

namespace velistra {

ListaDePrototipos PrototiposBiestables() { return {}; }

}  // namespace velistra
