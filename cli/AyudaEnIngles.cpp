#include "cli/Ayuda.h"

namespace velistra::consola {

// The script's orders and the output's words stay Spanish: they are a file format.
const char* AyudaEnIngles() {
    return R"(Usage:
  velistra-cli simular CIRCUIT.txt [--guion SCRIPT] [--json] [--guardar OUTPUT.txt]
               [--fallos FAULTS] [--vcd OUTPUT.vcd]
  velistra-cli tabla CIRCUIT.txt [--csv | --json]
  velistra-cli comprobar CIRCUIT.txt|FOLDER... (--tabla EXPECTED.csv |
               --referencia TEACHER.txt | --guion SCRIPT --salida OUTPUT)
               [--csv | --json] [--plazo SECONDS]
  velistra-cli revisar CIRCUIT.txt [--json]
  velistra-cli --help
  velistra-cli --version
  Any of them takes --idioma es|en.

Simulates without a window a circuit saved by Velistra, with the same engine as the
program. The circuit is loaded with the supply switched off.

simular  Runs a script: one order per line, read from SCRIPT or, without --guion,
         from standard input. «#» starts a comment; blank lines do not count. The
         whole script is checked before its first order runs. SCRIPT must be a
         regular file (not a folder, a pipe or a device); a line has at most 4096
         characters and the script, 4 MB.

  encender | apagar     operates the supply switch (does nothing if it is already
                        in that position)
  interruptor ID I 0|1  puts lever I (0 to 7) of switch board ID down (0) or
                        up (1)
  pulsar ID I           presses push-button I (0 to 7) of push-button board ID
  soltar ID I           releases that push-button
  tic [N]               N steps (1 if omitted) of the 47 ms timer
  mostrar               one line for each LED, seven-segment and PLA board, in
                        board order:
                          leds 4: 10100000   lamp 0 first, 1 = lit
                          7seg 5: ...        32 segments, digit 0 first, in the
                                             order a b c d e f g p
                          pla 6: 0000        outputs W X Y Z
  sonda ID P            the state (0, 1 or Z) of port P of board ID:
                          sonda 3 5: 1
  registrar ID P [NAME]
                        adds to the logic analyser a channel on port P of
                        board ID (16 at most), with that name or with the name
                        of what it touches («3:a12», hole a12 of breadboard 3);
                        from then on its level is noted after each settling

  --json                one JSON object for each line of mostrar and of sonda
  --guardar OUTPUT.txt  when the script ends, saves the circuit in OUTPUT.txt,
                        like the «Save as...» command
  --fallos FAULTS       silently plants the faults of the file FAULTS (one line
                        each, «#» starts a comment; chips and wires numbered
                        from 1, as revisar names them):
                          patilla CHIP PIN 0|1|abierta
                          cable WIRE abierto
                        the circuit looks and saves as always
  --vcd OUTPUT.vcd      when the script ends, writes the channels of registrar
                        to OUTPUT.vcd (Value Change Dump, the format of wave
                        viewers); each tic moves on 47 ms and each order
                        between two tics, 1 µs more, so that every change has
                        its own time

tabla    Switches the supply on and goes through every combination of the wired
         levers (those with a wire on any of their three terminals; 16 at most),
         in board and lever order; the first lever is the most significant bit.
         Each row gives the levers and the wired lights: intN.I is lever I of
         board N, ledsN.I lamp I and 7segN.Dx segment x of digit D (1 = lit).

  --csv                 comma-separated values, with a header line
  --json                one JSON object per row

comprobar  Checks one or many circuits (files, or folders with their .txt, also in
         subfolders) and writes one line per circuit («correcto», «incorrecto» with
         the first differing rows or lines and how many there are, or «ilegible»)
         and a summary line.
  --tabla EXPECTED.csv  the table that «tabla --csv» writes; columns are found
                        by name, and a missing lever or light is reported
  --referencia P.txt    the teacher's circuit: the same levers and lights, by
                        board and index, in every combination
  --guion G --salida S  for sequential circuits: the output of simular with the
                        script G must be S, line by line
  --csv | --json        a report for the mark sheet
  --plazo SECONDS       time for each circuit (10 if omitted, from 1 to 3600);
                        each circuit is checked in a separate process, so one
                        that never ends or never settles does not stop the batch

revisar  Looks for the usual wiring mistakes, each with its place (board, column
         and row of the breadboard, or chip and pin): unplugged chips, VCC or GND
         pins the supply does not reach, floating inputs that matter (they read
         as 1), wires with an unconnected end, two outputs on the same net (only a
         file joins them), boards in use whose VCC or GND does not go to the
         supply, and feedback loops without a flip-flop, with the chips they pass
         through.
  --json                one JSON object per finding

The program's notices, such as the feedback one, go to standard error and the
simulation goes on.

Messages and this help are in English with an English locale (LC_ALL, LC_MESSAGES
or LANG, the first one set, starts with «en») and in Spanish with any other;
--idioma es|en decides. The script's orders and the output's words (leds, 7seg,
correcto, ...) do not change with the language.

Exit codes:
  0  done
  1  wrong usage, a script that cannot be read or has errors (the file and line
     are given: a misspelt order, a line too long, a script too large) or a
     table that cannot be made
  2  the circuit file cannot be read or is not a regular file (a folder, a
     pipe, a device), with the program's message
  3  the circuit (--guardar) or the record (--vcd) could not be saved (also when
     the disk or the file size limit does not allow it; the previous file stays
     intact)
  4  comprobar: some circuit is incorrect, does not settle or did not finish in
     time; revisar: there are findings
In comprobar, 0 means all are correct, 2 that some is unreadable (even if others
are incorrect) and 1 also that the table, the script or the expected output
cannot be read.
)";
}

}  // namespace velistra::consola
