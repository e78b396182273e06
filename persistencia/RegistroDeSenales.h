#pragma once
// The logic analyser's record as files: Value Change Dump (IEEE 1364), which waveform
// viewers read, and CSV for spreadsheets.
#include <iosfwd>
#include <string>

namespace velistra {

class AnalizadorLogico;

// One 1-bit wire per channel in microseconds; 'Z' is z and a channel without data yet x.
void EscribeVcd(const AnalizadorLogico& analizador, std::ostream& salida);
std::string TextoVcd(const AnalizadorLogico& analizador);

// A header line (tiempo_us and the channels' names), then one row per sample: 0, 1, Z,
// or empty where the channel did not exist yet.
void EscribeCsv(const AnalizadorLogico& analizador, std::ostream& salida);
std::string TextoCsv(const AnalizadorLogico& analizador);

}  // namespace velistra
