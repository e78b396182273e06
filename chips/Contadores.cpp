#include "chips/Contadores.h"

#include "chips/Prototipos.h"

namespace velistra {

const Chip7490 ci7490;
const Chip7492 ci7492;
const Chip7493 ci7493;
const Chip7495 ci7495;
const Chip74160 ci74160;
const Chip74161 ci74161;
const Chip74162 ci74162;
const Chip74163 ci74163;
const Chip74164 ci74164;
const Chip74165 ci74165;
const Chip74166 ci74166;
const Chip74168 ci74168;
const Chip74169 ci74169;
const Chip74170 ci74170;
const Chip74190 ci74190;
const Chip74191 ci74191;
const Chip74192 ci74192;
const Chip74193 ci74193;
const Chip74194 ci74194;
const Chip74195 ci74195;
const Chip74196 ci74196;
const Chip74197 ci74197;
const Chip74290 ci74290;
const Chip74293 ci74293;
const Chip74390 ci74390;
const Chip74393 ci74393;
const Chip74490 ci74490;
const Chip74669 ci74669;

namespace {
constexpr const CircuitoElectronico* kPrototipos[] = {
    &ci7490,  &ci7492,  &ci7493,  &ci7495,  &ci74160, &ci74161, &ci74162,
    &ci74163, &ci74164, &ci74165, &ci74166, &ci74168, &ci74169, &ci74170,
    &ci74190, &ci74191, &ci74192, &ci74193, &ci74194, &ci74195, &ci74196,
    &ci74197, &ci74290, &ci74293, &ci74390, &ci74393, &ci74490, &ci74669,
};
}  // namespace

ListaDePrototipos PrototiposContadores() { return kPrototipos; }

}  // namespace velistra
