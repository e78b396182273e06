#pragma once
// How the user's messages name the things on the workbench.
#include <string>
#include <vector>

namespace velistra {

class Componente;

// A chip by its model and its place in the chip list from 1: "7404 (3)".
std::string NombreDeChip(const Componente& chip, int numero);

// "a", "a y b", "a, b y c".
std::string Enumeracion(const std::vector<std::string>& partes);

}  // namespace velistra
