#include <gtest/gtest.h>

#include <set>
#include <string>

#include "chips/Catalogo.h"
#include "chips/Combinacionales.h"

namespace velistra {
namespace {

TEST(Combinacionales, ChipTTLDaCadaPrototipoPorSuCodigoDeCatalogo) {
    const std::pair<int, const CircuitoElectronico*> prototipos[] = {
        {7042, &ci7442},   {7047, &ci7447},   {7083, &ci7483},   {7085, &ci7485},
        {7137, &ci74137},  {7138, &ci74138},  {7139, &ci74139},  {7147, &ci74147},
        {7148, &ci74148},  {7151, &ci74151},  {7153, &ci74153},  {7155, &ci74155},
        {7157, &ci74157},  {7158, &ci74158},  {7181, &ci74181},  {7247, &ci74247},
        {7280, &ci74280},  {7283, &ci74283},  {7352, &ci74352},
    };
    std::set<const CircuitoElectronico*> distintos;
    for (const auto& [codigo, prototipo] : prototipos) {
        SCOPED_TRACE(codigo);
        EXPECT_EQ(ChipTTL(codigo), prototipo);
        distintos.insert(prototipo);
        const FichaDeChip* ficha = FichaDeCatalogo(codigo);
        ASSERT_NE(ficha, nullptr);
        EXPECT_EQ(prototipo->Codigo(), ficha->codigoDeModelo);
        EXPECT_EQ(prototipo->NumeroDePines(), ficha->pines);
        EXPECT_EQ(prototipo->NumeroDeEstados(), ficha->estados);
    }
    EXPECT_EQ(distintos.size(), 19u);
    EXPECT_EQ(ci7483.Codigo(), 7483);
    EXPECT_EQ(ci74137.NumeroDeEstados(), 3);
}

}  // namespace
}  // namespace velistra
