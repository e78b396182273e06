#pragma once
#include <string>
#include <string_view>

namespace velistra::consola {

// The text as valid UTF-8: well-formed sequences as they are, and every other byte read
// as Latin-1 (0xE9 becomes "é"), which is what a file name that is not UTF-8 most often
// is. Reports for spreadsheets and JSON readers go through it.
std::string ComoUtf8(std::string_view texto);

// The text as a JSON string, quotes included: valid UTF-8 (see ComoUtf8), control
// characters escaped, so a file name or a message can never break the report.
std::string TextoJson(const std::string& texto);

}  // namespace velistra::consola
