#pragma once
// The help dialog's lines in the page's language, its button's caption last.
#include <string>
#include <vector>

namespace velistra {

std::vector<std::string> LineasDeAyuda();

}  // namespace velistra
