#pragma once
// Every text of the core the user may read, in Spanish, as the core marks them
// (VELISTRA_TEXTO); made by the build. Context "velistra::Nucleo" in the catalogue.
#include <span>

namespace velistra::idiomas {

inline constexpr const char* kContextoDelNucleo = "velistra::Nucleo";

std::span<const char* const> TextosDelNucleo();

}  // namespace velistra::idiomas
