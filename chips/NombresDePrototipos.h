#pragma once
// The prototypes by the names code and tests have always called them: "ci" and the model
// number. Each is the registry's prototype of that code; a new chip needs no name here.
#include "chips/CircuitoElectronico.h"

namespace velistra {

// clang-format off
inline const CircuitoElectronico& ci7400 = *ChipTTL(7000);
inline const CircuitoElectronico& ci7402 = *ChipTTL(7002);
inline const CircuitoElectronico& ci7404 = *ChipTTL(7004);
inline const CircuitoElectronico& ci7408 = *ChipTTL(7008);
inline const CircuitoElectronico& ci7410 = *ChipTTL(7010);
inline const CircuitoElectronico& ci7411 = *ChipTTL(7011);
inline const CircuitoElectronico& ci7420 = *ChipTTL(7020);
inline const CircuitoElectronico& ci7421 = *ChipTTL(7021);
inline const CircuitoElectronico& ci7427 = *ChipTTL(7027);
inline const CircuitoElectronico& ci7430 = *ChipTTL(7030);
inline const CircuitoElectronico& ci7432 = *ChipTTL(7032);
inline const CircuitoElectronico& ci7442 = *ChipTTL(7042);
inline const CircuitoElectronico& ci7447 = *ChipTTL(7047);
inline const CircuitoElectronico& ci7451 = *ChipTTL(7051);
inline const CircuitoElectronico& ci7454 = *ChipTTL(7054);
inline const CircuitoElectronico& ci7455 = *ChipTTL(7055);
inline const CircuitoElectronico& ci7473 = *ChipTTL(7073);
inline const CircuitoElectronico& ci7474 = *ChipTTL(7074);
inline const CircuitoElectronico& ci7475 = *ChipTTL(7075);
inline const CircuitoElectronico& ci7476 = *ChipTTL(7076);
inline const CircuitoElectronico& ci7477 = *ChipTTL(7077);
inline const CircuitoElectronico& ci7483 = *ChipTTL(7083);
inline const CircuitoElectronico& ci7485 = *ChipTTL(7085);
inline const CircuitoElectronico& ci7486 = *ChipTTL(7086);
inline const CircuitoElectronico& ci7490 = *ChipTTL(7090);
inline const CircuitoElectronico& ci7492 = *ChipTTL(7092);
inline const CircuitoElectronico& ci7493 = *ChipTTL(7093);
inline const CircuitoElectronico& ci7495 = *ChipTTL(7095);
inline const CircuitoElectronico& ci74107 = *ChipTTL(7107);
inline const CircuitoElectronico& ci74109 = *ChipTTL(7109);
inline const CircuitoElectronico& ci74112 = *ChipTTL(7112);
inline const CircuitoElectronico& ci74113 = *ChipTTL(7113);
inline const CircuitoElectronico& ci74114 = *ChipTTL(7114);
inline const CircuitoElectronico& ci74133 = *ChipTTL(7133);
inline const CircuitoElectronico& ci74137 = *ChipTTL(7137);
inline const CircuitoElectronico& ci74138 = *ChipTTL(7138);
inline const CircuitoElectronico& ci74139 = *ChipTTL(7139);
inline const CircuitoElectronico& ci74147 = *ChipTTL(7147);
inline const CircuitoElectronico& ci74148 = *ChipTTL(7148);
inline const CircuitoElectronico& ci74151 = *ChipTTL(7151);
inline const CircuitoElectronico& ci74153 = *ChipTTL(7153);
inline const CircuitoElectronico& ci74155 = *ChipTTL(7155);
inline const CircuitoElectronico& ci74157 = *ChipTTL(7157);
inline const CircuitoElectronico& ci74158 = *ChipTTL(7158);
inline const CircuitoElectronico& ci74160 = *ChipTTL(7160);
inline const CircuitoElectronico& ci74161 = *ChipTTL(7161);
inline const CircuitoElectronico& ci74162 = *ChipTTL(7162);
inline const CircuitoElectronico& ci74163 = *ChipTTL(7163);
inline const CircuitoElectronico& ci74164 = *ChipTTL(7164);
inline const CircuitoElectronico& ci74165 = *ChipTTL(7165);
inline const CircuitoElectronico& ci74166 = *ChipTTL(7166);
inline const CircuitoElectronico& ci74168 = *ChipTTL(7168);
inline const CircuitoElectronico& ci74169 = *ChipTTL(7169);
inline const CircuitoElectronico& ci74170 = *ChipTTL(7170);
inline const CircuitoElectronico& ci74174 = *ChipTTL(7174);
inline const CircuitoElectronico& ci74175 = *ChipTTL(7175);
inline const CircuitoElectronico& ci74181 = *ChipTTL(7181);
inline const CircuitoElectronico& ci74190 = *ChipTTL(7190);
inline const CircuitoElectronico& ci74191 = *ChipTTL(7191);
inline const CircuitoElectronico& ci74192 = *ChipTTL(7192);
inline const CircuitoElectronico& ci74193 = *ChipTTL(7193);
inline const CircuitoElectronico& ci74194 = *ChipTTL(7194);
inline const CircuitoElectronico& ci74195 = *ChipTTL(7195);
inline const CircuitoElectronico& ci74196 = *ChipTTL(7196);
inline const CircuitoElectronico& ci74197 = *ChipTTL(7197);
inline const CircuitoElectronico& ci74247 = *ChipTTL(7247);
inline const CircuitoElectronico& ci74256 = *ChipTTL(7256);
inline const CircuitoElectronico& ci74259 = *ChipTTL(7259);
inline const CircuitoElectronico& ci74260 = *ChipTTL(7260);
inline const CircuitoElectronico& ci74273 = *ChipTTL(7273);
inline const CircuitoElectronico& ci74279 = *ChipTTL(7279);
inline const CircuitoElectronico& ci74280 = *ChipTTL(7280);
inline const CircuitoElectronico& ci74283 = *ChipTTL(7283);
inline const CircuitoElectronico& ci74290 = *ChipTTL(7290);
inline const CircuitoElectronico& ci74293 = *ChipTTL(7293);
inline const CircuitoElectronico& ci74298 = *ChipTTL(7298);
inline const CircuitoElectronico& ci74352 = *ChipTTL(7352);
inline const CircuitoElectronico& ci74375 = *ChipTTL(7375);
inline const CircuitoElectronico& ci74377 = *ChipTTL(7377);
inline const CircuitoElectronico& ci74378 = *ChipTTL(7378);
inline const CircuitoElectronico& ci74379 = *ChipTTL(7379);
inline const CircuitoElectronico& ci74386 = *ChipTTL(7386);
inline const CircuitoElectronico& ci74390 = *ChipTTL(7390);
inline const CircuitoElectronico& ci74393 = *ChipTTL(7393);
inline const CircuitoElectronico& ci74398 = *ChipTTL(7398);
inline const CircuitoElectronico& ci74399 = *ChipTTL(7399);
inline const CircuitoElectronico& ci74490 = *ChipTTL(7490);
inline const CircuitoElectronico& ci74669 = *ChipTTL(7669);
// clang-format on

}  // namespace velistra
