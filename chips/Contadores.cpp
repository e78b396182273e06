#include "chips/Contadores.h"

#include "chips/Prototipos.h"

namespace velistra {

ListaDePrototipos PrototiposContadores() { return {}; }

}  // namespace velistra
