#pragma once
#include <string>

namespace velistra::consola {

// The text as a JSON string, quotes included; control characters escaped, so a file name
// or a message can never break the report.
std::string TextoJson(const std::string& texto);

}  // namespace velistra::consola
