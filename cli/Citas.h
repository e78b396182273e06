#pragma once
#include <string>
#include <string_view>

namespace velistra::consola {

// A word of the user's between «», cut short (at a character boundary, with "…") when it
// is long: a message quotes the fault, it does not print the input back.
std::string Cita(std::string_view palabra);

}  // namespace velistra::consola
