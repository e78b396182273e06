#pragma once
// Every text of the core and of velistra-cli the user may read, in Spanish, as they
// are marked (VELISTRA_TEXTO); made by the build. Context "velistra::Nucleo" in the catalogue.
#include <span>

namespace velistra::idiomas {

inline constexpr const char* kContextoDelNucleo = "velistra::Nucleo";

std::span<const char* const> TextosDelNucleo();

}  // namespace velistra::idiomas
