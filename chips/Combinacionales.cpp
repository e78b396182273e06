#include "chips/Combinacionales.h"

#include "chips/Prototipos.h"

namespace velistra {

const Chip7442 ci7442;
const Chip7447 ci7447;
const Chip7483A ci7483;
const Chip7485 ci7485;
const Chip74137 ci74137;
const Chip74138 ci74138;
const Chip74139 ci74139;
const Chip74147 ci74147;
const Chip74148 ci74148;
const Chip74151 ci74151;
const Chip74153 ci74153;
const Chip74155 ci74155;
const Chip74157 ci74157;
const Chip74158 ci74158;
const Chip74181 ci74181;
const Chip74247 ci74247;
const Chip74280 ci74280;
const Chip74283 ci74283;
const Chip74352 ci74352;

namespace {
constexpr const CircuitoElectronico* kPrototipos[] = {
    &ci7442,  &ci7447,  &ci7483,  &ci7485,  &ci74137, &ci74138, &ci74139,
    &ci74147, &ci74148, &ci74151, &ci74153, &ci74155, &ci74157, &ci74158,
    &ci74181, &ci74247, &ci74280, &ci74283, &ci74352,
};
}  // namespace

ListaDePrototipos PrototiposCombinacionales() { return kPrototipos; }

}  // namespace velistra
