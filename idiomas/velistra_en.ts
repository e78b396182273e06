<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="es">
<context>
    <name>InformeDePractica</name>
    <message>
        <source>Correcto: la práctica está superada.</source>
        <translation>Correct: the lab is passed.</translation>
    </message>
    <message>
        <source>No se pudo comprobar el circuito.</source>
        <translation>The circuit could not be checked.</translation>
    </message>
    <message>
        <source>Incorrecto: el circuito no se asienta (una realimentación oscila).</source>
        <translation>Incorrect: the circuit does not settle (a feedback loop oscillates).</translation>
    </message>
    <message>
        <source>Incorrecto: %1 de %2 filas no dan lo esperado.</source>
        <translation>Incorrect: %1 of %2 rows do not give what is expected.</translation>
    </message>
    <message>
        <source>Incorrecto: faltan palancas o luces por cablear.</source>
        <translation>Incorrect: some levers or lights are not wired yet.</translation>
    </message>
    <message>
        <source>Falta cablear la palanca %1.</source>
        <translation>Lever %1 is not wired.</translation>
    </message>
    <message>
        <source>Falta cablear la luz %1.</source>
        <translation>Light %1 is not wired.</translation>
    </message>
    <message>
        <source>%1: se espera %2; ahora %3</source>
        <translation>%1: %2 expected; now %3</translation>
    </message>
    <message>
        <source>Revisión: %1</source>
        <translation>Review: %1</translation>
    </message>
</context>
<context>
    <name>velistra::Atajos</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>velistra::DiagramaDeTiempos</name>
    <message>
        <source>tic %1</source>
        <translation>tick %1</translation>
    </message>
    <message>
        <source>%1 (tic %2)</source>
        <translation>%1 (tick %2)</translation>
    </message>
</context>
<context>
    <name>velistra::DialogoDeFallos</name>
    <message>
        <source>Fallos</source>
        <translation>Faults</translation>
    </message>
    <message>
        <source>Un fallo por línea («#» inicia un comentario); chips y cables se numeran desde 1:
  patilla CHIP PATILLA 0|1|abierta
  cable CABLE abierto
Los fallos nuevos se aplican al guardar; los que se quitan, al recuperar de nuevo el circuito.</source>
        <translation>One fault per line («#» starts a comment); chips and wires are numbered from 1:
  patilla CHIP PIN 0|1|abierta
  cable WIRE abierto
New faults apply when saved; removed ones, when the circuit is opened again.</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Línea %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>No se pudieron guardar los fallos en %1.</source>
        <translation>The faults could not be saved in %1.</translation>
    </message>
    <message>
        <source>Almacene antes el circuito: los fallos van en un archivo junto a él.</source>
        <translation>Save the circuit first: the faults go in a file next to it.</translation>
    </message>
    <message>
        <source>Los fallos son la solución de un ejercicio de averías. ¿Desea verlos?</source>
        <translation>The faults are the answer to a fault-finding exercise. Do you want to see them?</translation>
    </message>
</context>
<context>
    <name>velistra::DialogoDeRevision</name>
    <message>
        <source>No hay nada que señalar.</source>
        <translation>Nothing to point out.</translation>
    </message>
</context>
<context>
    <name>velistra::DialogosQt</name>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Guardar como</source>
        <translation>Save as</translation>
    </message>
</context>
<context>
    <name>velistra::Exportacion</name>
    <message>
        <source>No se pudo escribir «%1».</source>
        <translation>«%1» could not be written.</translation>
    </message>
    <message>
        <source>Todo el circuito</source>
        <translation>The whole circuit</translation>
    </message>
    <message>
        <source>La parte visible</source>
        <translation>The visible part</translation>
    </message>
    <message>
        <source>Exportar imagen</source>
        <translation>Export picture</translation>
    </message>
    <message>
        <source>Parte de la mesa:</source>
        <translation>Part of the workbench:</translation>
    </message>
    <message>
        <source>Imprimir el circuito</source>
        <translation>Print the circuit</translation>
    </message>
    <message>
        <source>No se pudo imprimir el circuito.</source>
        <translation>The circuit could not be printed.</translation>
    </message>
    <message>
        <source>uso: velistra --exportar CIRCUITO.txt SALIDA.png|SALIDA.pdf</source>
        <translation>usage: velistra --exportar CIRCUIT.txt OUTPUT.png|OUTPUT.pdf</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»</source>
        <translation>could not write «%1»</translation>
    </message>
</context>
<context>
    <name>velistra::Informe</name>
    <message>
        <source>Circuito de Velistra</source>
        <translation>Velistra circuit</translation>
    </message>
    <message>
        <source>Chips utilizados</source>
        <translation>Chips used</translation>
    </message>
    <message>
        <source>El circuito no lleva chips.</source>
        <translation>The circuit has no chips.</translation>
    </message>
    <message>
        <source>Tabla de verdad</source>
        <translation>Truth table</translation>
    </message>
    <message>
        <source>El circuito no tiene interruptores cableados.</source>
        <translation>The circuit has no wired switches.</translation>
    </message>
    <message>
        <source>El circuito tiene %1 interruptores cableados; el informe da la tabla de %2 como máximo.</source>
        <translation>The circuit has %1 wired switches; the report gives the table for %2 at most.</translation>
    </message>
    <message>
        <source>Palancas: </source>
        <translation>Levers: </translation>
    </message>
    <message>
        <source>Luces: </source>
        <translation>Lamps: </translation>
    </message>
    <message>
        <source>Informe de laboratorio</source>
        <translation>Laboratory report</translation>
    </message>
    <message>
        <source>Circuito sin nombre</source>
        <translation>Unnamed circuit</translation>
    </message>
    <message>
        <source>Patillas: </source>
        <translation>Pins: </translation>
    </message>
</context>
<context>
    <name>velistra::Nucleo</name>
    <message>
        <source>Información</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error de archivos</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Puertas básicas &gt; Nand</source>
        <translation>Basic gates &gt; Nand</translation>
    </message>
    <message>
        <source>7400  - 2 entradas (x4)</source>
        <translation>7400  - 2 inputs (x4)</translation>
    </message>
    <message>
        <source>Puertas básicas &gt; Nor</source>
        <translation>Basic gates &gt; Nor</translation>
    </message>
    <message>
        <source>7402  - 2 entradas (x4)</source>
        <translation>7402  - 2 inputs (x4)</translation>
    </message>
    <message>
        <source>Puertas básicas &gt; Not</source>
        <translation>Basic gates &gt; Not</translation>
    </message>
    <message>
        <source>7404  - Not (x6)</source>
        <translation>7404  - Not (x6)</translation>
    </message>
    <message>
        <source>Puertas básicas &gt; And</source>
        <translation>Basic gates &gt; And</translation>
    </message>
    <message>
        <source>7408  - 2 entradas (x4)</source>
        <translation>7408  - 2 inputs (x4)</translation>
    </message>
    <message>
        <source>7410  - 3 entradas (x3)</source>
        <translation>7410  - 3 inputs (x3)</translation>
    </message>
    <message>
        <source>7411  - 3 entradas (x3)</source>
        <translation>7411  - 3 inputs (x3)</translation>
    </message>
    <message>
        <source>7420  - 4 entradas (x2)</source>
        <translation>7420  - 4 inputs (x2)</translation>
    </message>
    <message>
        <source>7421  - 4 entradas (x2)</source>
        <translation>7421  - 4 inputs (x2)</translation>
    </message>
    <message>
        <source>7427  - 3 entradas(x3)</source>
        <translation>7427  - 3 inputs (x3)</translation>
    </message>
    <message>
        <source>7430  - 8 entradas</source>
        <translation>7430  - 8 inputs</translation>
    </message>
    <message>
        <source>Puertas básicas &gt; Or</source>
        <translation>Basic gates &gt; Or</translation>
    </message>
    <message>
        <source>7432 - 2 entradas (x4)</source>
        <translation>7432 - 2 inputs (x4)</translation>
    </message>
    <message>
        <source>Combinacionales &gt; Descodificadores</source>
        <translation>Combinational &gt; Decoders</translation>
    </message>
    <message>
        <source>7442  - 1 de 10 líneas (BCD a decimal)</source>
        <translation>7442  - 1 of 10 lines (BCD to decimal)</translation>
    </message>
    <message>
        <source>7447  - BCD a 7 Segmentos</source>
        <translation>7447  - BCD to 7 segments</translation>
    </message>
    <message>
        <source>Puertas básicas &gt; And - Or - Invert</source>
        <translation>Basic gates &gt; And - Or - Invert</translation>
    </message>
    <message>
        <source>7451 - 2-ancho 2-3-entradas AND-OR-INVERT (x2)</source>
        <translation>7451 - 2-wide 2-3-input AND-OR-INVERT (x2)</translation>
    </message>
    <message>
        <source>7454 - 3-2-2-3-entradas AND-OR-INVERT</source>
        <translation>7454 - 3-2-2-3-input AND-OR-INVERT</translation>
    </message>
    <message>
        <source>7455 - 2-ancho, 4-entradas AND-OR-INVERT</source>
        <translation>7455 - 2-wide, 4-input AND-OR-INVERT</translation>
    </message>
    <message>
        <source>Secuenciales &gt; Flip-flops</source>
        <translation>Sequential &gt; Flip-flops</translation>
    </message>
    <message>
        <source>7473A  - JK flanco negativo(x2)</source>
        <translation>7473A  - JK negative edge (x2)</translation>
    </message>
    <message>
        <source>7474A  - D  preset, clear, flanco positivo (x2)</source>
        <translation>7474A  - D  preset, clear, positive edge (x2)</translation>
    </message>
    <message>
        <source>Secuenciales &gt; Registros &gt; con Latches</source>
        <translation>Sequential &gt; Registers &gt; with latches</translation>
    </message>
    <message>
        <source>7475  - 4 latches D</source>
        <translation>7475  - 4 D latches</translation>
    </message>
    <message>
        <source>7476A  - JK preset, clear, flanco negativo (x2)</source>
        <translation>7476A  - JK preset, clear, negative edge (x2)</translation>
    </message>
    <message>
        <source>7477  - 4 latches D</source>
        <translation>7477  - 4 D latches</translation>
    </message>
    <message>
        <source>Combinacionales &gt; Sumadores</source>
        <translation>Combinational &gt; Adders</translation>
    </message>
    <message>
        <source>7483A - 4 bits</source>
        <translation>7483A - 4 bits</translation>
    </message>
    <message>
        <source>Combinacionales &gt; Comparador</source>
        <translation>Combinational &gt; Comparator</translation>
    </message>
    <message>
        <source>7485 - 4 bits</source>
        <translation>7485 - 4 bits</translation>
    </message>
    <message>
        <source>Puertas básicas &gt; Xor</source>
        <translation>Basic gates &gt; Xor</translation>
    </message>
    <message>
        <source>7486  - 2 entradas (x4)</source>
        <translation>7486  - 2 inputs (x4)</translation>
    </message>
    <message>
        <source>Secuenciales &gt; Contadores &gt; Asíncronos</source>
        <translation>Sequential &gt; Counters &gt; Asynchronous</translation>
    </message>
    <message>
        <source>7490  - Divisor por 2 y 5</source>
        <translation>7490  - Divide by 2 and 5</translation>
    </message>
    <message>
        <source>7492  - Divisor por 2 y 6</source>
        <translation>7492  - Divide by 2 and 6</translation>
    </message>
    <message>
        <source>7493  - Divisor por 2 y 8</source>
        <translation>7493  - Divide by 2 and 8</translation>
    </message>
    <message>
        <source>Secuenciales &gt; Registros &gt; de desplazamiento</source>
        <translation>Sequential &gt; Registers &gt; Shift</translation>
    </message>
    <message>
        <source>7495B  - 4 bits</source>
        <translation>7495B  - 4 bits</translation>
    </message>
    <message>
        <source>74107A - JK flanco negativo (x2)</source>
        <translation>74107A - JK negative edge (x2)</translation>
    </message>
    <message>
        <source>74109A - JK flanco positivo (x2)</source>
        <translation>74109A - JK positive edge (x2)</translation>
    </message>
    <message>
        <source>74112A - JK flanco negativo (x2)</source>
        <translation>74112A - JK negative edge (x2)</translation>
    </message>
    <message>
        <source>74113A - JK flanco negativo (x2)</source>
        <translation>74113A - JK negative edge (x2)</translation>
    </message>
    <message>
        <source>74114A - JK flanco negativo (x2)</source>
        <translation>74114A - JK negative edge (x2)</translation>
    </message>
    <message>
        <source>74133 - 13 entradas</source>
        <translation>74133 - 13 inputs</translation>
    </message>
    <message>
        <source>74137 - 1 de 8 líneas con latches de dirección</source>
        <translation>74137 - 1 of 8 lines with address latches</translation>
    </message>
    <message>
        <source>74138 - 1 de 8 líneas</source>
        <translation>74138 - 1 of 8 lines</translation>
    </message>
    <message>
        <source>74139 - 1 de 4 líneas (x2)</source>
        <translation>74139 - 1 of 4 lines (x2)</translation>
    </message>
    <message>
        <source>Combinacionales &gt; Codificadores</source>
        <translation>Combinational &gt; Encoders</translation>
    </message>
    <message>
        <source>74147 - de prioridad, 10 líneas a 4</source>
        <translation>74147 - priority, 10 lines to 4</translation>
    </message>
    <message>
        <source>74148 - de prioridad, 8 líneas a 3</source>
        <translation>74148 - priority, 8 lines to 3</translation>
    </message>
    <message>
        <source>Combinacionales &gt; Multiplexores</source>
        <translation>Combinational &gt; Multiplexers</translation>
    </message>
    <message>
        <source>74151 - 8 líneas a 1</source>
        <translation>74151 - 8 lines to 1</translation>
    </message>
    <message>
        <source>74153 - 4 líneas a 1 (x2)</source>
        <translation>74153 - 4 lines to 1 (x2)</translation>
    </message>
    <message>
        <source>74155 - 1 de 4 líneas (x2)</source>
        <translation>74155 - 1 of 4 lines (x2)</translation>
    </message>
    <message>
        <source>74157 - 2 líneas a 1 (x4)</source>
        <translation>74157 - 2 lines to 1 (x4)</translation>
    </message>
    <message>
        <source>74158 - 2 líneas a 1 (x4)</source>
        <translation>74158 - 2 lines to 1 (x4)</translation>
    </message>
    <message>
        <source>Secuenciales &gt; Contadores &gt; Síncronos</source>
        <translation>Sequential &gt; Counters &gt; Synchronous</translation>
    </message>
    <message>
        <source>74160A - Módulo 10, reset asíncrono</source>
        <translation>74160A - Modulo 10, asynchronous reset</translation>
    </message>
    <message>
        <source>74161A - Módulo 16, reset asíncrono</source>
        <translation>74161A - Modulo 16, asynchronous reset</translation>
    </message>
    <message>
        <source>74162A - Módulo 10, reset síncrono</source>
        <translation>74162A - Modulo 10, synchronous reset</translation>
    </message>
    <message>
        <source>74163A - Módulo 16, reset síncrono</source>
        <translation>74163A - Modulo 16, synchronous reset</translation>
    </message>
    <message>
        <source>74164  - Entrada serie, salida paralela</source>
        <translation>74164  - Serial in, parallel out</translation>
    </message>
    <message>
        <source>74165  - 8 bits, paralelo a serial</source>
        <translation>74165  - 8 bits, parallel to serial</translation>
    </message>
    <message>
        <source>74166  - Entrada paralela, salida serie</source>
        <translation>74166  - Parallel in, serial out</translation>
    </message>
    <message>
        <source>74168  - Bidireccional, módulo 10</source>
        <translation>74168  - Up/down, modulo 10</translation>
    </message>
    <message>
        <source>74169  - Bidireccional, módulo 16</source>
        <translation>74169  - Up/down, modulo 16</translation>
    </message>
    <message>
        <source>Memoria</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>74170 - Memoria de lectura y escritura 4 x 4</source>
        <translation>74170 - 4 x 4 read/write memory</translation>
    </message>
    <message>
        <source>Secuenciales &gt; Registros &gt; con Flip-flops</source>
        <translation>Sequential &gt; Registers &gt; with flip-flops</translation>
    </message>
    <message>
        <source>74174 - 6 flip-flops D</source>
        <translation>74174 - 6 D flip-flops</translation>
    </message>
    <message>
        <source>74175 - 4 flip-flops D</source>
        <translation>74175 - 4 D flip-flops</translation>
    </message>
    <message>
        <source>Combinacionales &gt; ALU</source>
        <translation>Combinational &gt; ALU</translation>
    </message>
    <message>
        <source>74181 - 4 bits</source>
        <translation>74181 - 4 bits</translation>
    </message>
    <message>
        <source>74190  - Módulo 10</source>
        <translation>74190  - Modulo 10</translation>
    </message>
    <message>
        <source>74191  - Módulo 16</source>
        <translation>74191  - Modulo 16</translation>
    </message>
    <message>
        <source>74192  - Bidireccional, BCD</source>
        <translation>74192  - Up/down, BCD</translation>
    </message>
    <message>
        <source>74193  - Bidireccional, módulo 16</source>
        <translation>74193  - Up/down, modulo 16</translation>
    </message>
    <message>
        <source>74194A - bidireccional, 4 bits</source>
        <translation>74194A - bidirectional, 4 bits</translation>
    </message>
    <message>
        <source>74195A - 4 bits, universal</source>
        <translation>74195A - 4 bits, universal</translation>
    </message>
    <message>
        <source>74196 - Divisor entre 2 y 5</source>
        <translation>74196 - Divide by 2 and 5</translation>
    </message>
    <message>
        <source>74197 - Divisor entre 2 y 8</source>
        <translation>74197 - Divide by 2 and 8</translation>
    </message>
    <message>
        <source>74247 - BCD a 7 Segmentos</source>
        <translation>74247 - BCD to 7 segments</translation>
    </message>
    <message>
        <source>74256 - Latch direccionable de 4 bits (x2)</source>
        <translation>74256 - 4-bit addressable latch (x2)</translation>
    </message>
    <message>
        <source>74259 - Latch direccionable de 8 bits</source>
        <translation>74259 - 8-bit addressable latch</translation>
    </message>
    <message>
        <source>74260 - 5 entradas (x2)</source>
        <translation>74260 - 5 inputs (x2)</translation>
    </message>
    <message>
        <source>74273 - 8 flip-flops D con clear</source>
        <translation>74273 - 8 D flip-flops with clear</translation>
    </message>
    <message>
        <source>74279 - 4 latches con set y reset</source>
        <translation>74279 - 4 latches with set and reset</translation>
    </message>
    <message>
        <source>Combinacionales &gt; Generador de paridad</source>
        <translation>Combinational &gt; Parity generator</translation>
    </message>
    <message>
        <source>74280 - Generador/revisor de paridad par/impar de 9 bits</source>
        <translation>74280 - 9-bit odd/even parity generator/checker</translation>
    </message>
    <message>
        <source>74283 - 4 bits</source>
        <translation>74283 - 4 bits</translation>
    </message>
    <message>
        <source>74290 - Divisor entre 2 y 5</source>
        <translation>74290 - Divide by 2 and 5</translation>
    </message>
    <message>
        <source>74293 - Divisor entre 2 y 8</source>
        <translation>74293 - Divide by 2 and 8</translation>
    </message>
    <message>
        <source>74298 - 2 líneas a 1 con registro (x4)</source>
        <translation>74298 - 2 lines to 1 with register (x4)</translation>
    </message>
    <message>
        <source>74352 - 4 líneas a 1 (x2)</source>
        <translation>74352 - 4 lines to 1 (x2)</translation>
    </message>
    <message>
        <source>74375 - 4 latches D</source>
        <translation>74375 - 4 D latches</translation>
    </message>
    <message>
        <source>74377 - 8 flip-flops D con enable</source>
        <translation>74377 - 8 D flip-flops with enable</translation>
    </message>
    <message>
        <source>74378 - 6 flip-flops D con enable</source>
        <translation>74378 - 6 D flip-flops with enable</translation>
    </message>
    <message>
        <source>74379 - 4 flip-flops D con enable</source>
        <translation>74379 - 4 D flip-flops with enable</translation>
    </message>
    <message>
        <source>74386 - 2 entradas (x4)</source>
        <translation>74386 - 2 inputs (x4)</translation>
    </message>
    <message>
        <source>74390 - Divisor entre 2 y 5 (x2)</source>
        <translation>74390 - Divide by 2 and 5 (x2)</translation>
    </message>
    <message>
        <source>74393 - Contador binario de 4 bits (x2)</source>
        <translation>74393 - 4-bit binary counter (x2)</translation>
    </message>
    <message>
        <source>74398 - 2 líneas a 1 con registro (x4)</source>
        <translation>74398 - 2 lines to 1 with register (x4)</translation>
    </message>
    <message>
        <source>74399 - 2 líneas a 1 con registro (x4)</source>
        <translation>74399 - 2 lines to 1 with register (x4)</translation>
    </message>
    <message>
        <source>74490 - Contador de décadas (x2)</source>
        <translation>74490 - Decade counter (x2)</translation>
    </message>
    <message>
        <source>74669  - Bidireccional, módulo 16</source>
        <translation>74669  - Up/down, modulo 16</translation>
    </message>
    <message>
        <source>El circuito posee realimentaciones y el límite de
iteraciones para hallar una solución fue alcanzado.
La simulación continuará con el último estado obtenido.</source>
        <translation>The circuit has feedback loops and the limit of
iterations to find a solution was reached.
The simulation will go on from the last state reached.</translation>
    </message>
    <message>
        <source>se espera «patilla CHIP PATILLA 0|1|abierta»</source>
        <translation>expected «patilla CHIP PIN 0|1|abierta»</translation>
    </message>
    <message>
        <source>una patilla queda a 0, a 1 o abierta</source>
        <translation>a pin is held at 0, at 1 or abierta (open)</translation>
    </message>
    <message>
        <source>se espera «cable CABLE abierto»</source>
        <translation>expected «cable WIRE abierto»</translation>
    </message>
    <message>
        <source>se espera patilla o cable</source>
        <translation>expected patilla or cable</translation>
    </message>
    <message>
        <source>sobra texto al final de la línea</source>
        <translation>extra text at the end of the line</translation>
    </message>
    <message>
        <source>no existe el cable %1</source>
        <translation>there is no wire %1</translation>
    </message>
    <message>
        <source>no existe el chip %1</source>
        <translation>there is no chip %1</translation>
    </message>
    <message>
        <source>el chip %1 no tiene la patilla %2</source>
        <translation>chip %1 has no pin %2</translation>
    </message>
    <message>
        <source>superior</source>
        <translation>upper</translation>
    </message>
    <message>
        <source>inferior</source>
        <translation>lower</translation>
    </message>
    <message>
        <source>bus superior</source>
        <translation>upper bus</translation>
    </message>
    <message>
        <source>bus inferior</source>
        <translation>lower bus</translation>
    </message>
    <message>
        <source>Archivos conocidos (*.txt)</source>
        <translation>Known files (*.txt)</translation>
    </message>
    <message>
        <source>Todos los archivos (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Archivos de circuitos (*.txt)</source>
        <translation>Circuit files (*.txt)</translation>
    </message>
    <message>
        <source>El archivo no puede               ser almacenado.</source>
        <translation>The file cannot be saved.</translation>
    </message>
    <message>
        <source>El nuevo circuito no fue almacenado.</source>
        <translation>The new circuit was not saved.</translation>
    </message>
    <message>
        <source>Error con el nombre del archivo</source>
        <translation>Error with the file name</translation>
    </message>
    <message>
        <source>Error en la lectura del archivo.</source>
        <translation>Error reading the file.</translation>
    </message>
    <message>
        <source>Versión de programa</source>
        <translation>Program version</translation>
    </message>
    <message>
        <source>Apague el módulo antes de crear un nuevo circuito.</source>
        <translation>Switch the trainer off before creating a new circuit.</translation>
    </message>
    <message>
        <source>Apague el módulo antes de recuperar un circuito.</source>
        <translation>Switch the trainer off before opening a circuit.</translation>
    </message>
    <message>
        <source>Apague el módulo antes de salir del programa.</source>
        <translation>Switch the trainer off before leaving the program.</translation>
    </message>
    <message>
        <source>Error en la grabación del nuevo circuito.</source>
        <translation>Error saving the new circuit.</translation>
    </message>
    <message>
        <source>Error en el almacenamiento del circuito.</source>
        <translation>Error saving the circuit.</translation>
    </message>
    <message>
        <source>¿Guardar los cambios del circuito?</source>
        <translation>Save the changes to the circuit?</translation>
    </message>
    <message>
        <source>Circuito modificado</source>
        <translation>Circuit modified</translation>
    </message>
    <message>
        <source>Nuevo circuito</source>
        <translation>New circuit</translation>
    </message>
    <message>
        <source>Apague el módulo antes de deshacer un cambio.</source>
        <translation>Switch the trainer off before undoing a change.</translation>
    </message>
    <message>
        <source>Apague el módulo antes de rehacer un cambio.</source>
        <translation>Switch the trainer off before redoing a change.</translation>
    </message>
    <message>
        <source>El programa solo abre archivos de la versión %1</source>
        <translation>The program only opens files of version %1</translation>
    </message>
    <message>
        <source>Primero debe retirar los cables y componentes.</source>
        <translation>First remove the wires and components.</translation>
    </message>
    <message>
        <source>El programa se cerró sin guardar los cambios del circuito %1. ¿Recuperar los cambios o descartarlos?</source>
        <translation>The program closed without saving the changes to the circuit %1. Recover the changes or discard them?</translation>
    </message>
    <message>
        <source>Circuito no guardado</source>
        <translation>Unsaved circuit</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <translation>Recover</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>El programa se cerró sin guardar el nuevo circuito. ¿Recuperar el circuito o descartarlo?</source>
        <translation>The program closed without saving the new circuit. Recover the circuit or discard it?</translation>
    </message>
    <message>
        <source>Imagen PNG</source>
        <translation>PNG image</translation>
    </message>
    <message>
        <source>Valores separados por comas</source>
        <translation>Comma-separated values</translation>
    </message>
    <message>
        <source>Documento PDF</source>
        <translation>PDF document</translation>
    </message>
    <message>
        <source>El circuito no se estabiliza</source>
        <translation>The circuit does not settle</translation>
    </message>
    <message>
        <source>El circuito no se estabiliza: realimentación en %1</source>
        <translation>The circuit does not settle: feedback through %1</translation>
    </message>
    <message>
        <source>El chip no quedó sobre una protoboard.</source>
        <translation>The chip did not land on a breadboard.</translation>
    </message>
    <message>
        <source>El chip debe quedar a caballo del canal central de la protoboard.</source>
        <translation>The chip must straddle the breadboard&apos;s centre channel.</translation>
    </message>
    <message>
        <source>El chip pasaría de la última columna de la protoboard.</source>
        <translation>The chip would pass the breadboard&apos;s last column.</translation>
    </message>
    <message>
        <source>Una patilla del chip caería en un hueco con un cable o con otro chip.</source>
        <translation>A pin of the chip would land in a hole with a wire or another chip.</translation>
    </message>
    <message>
        <source>Una salida del chip caería en una tira que ya recibe un nivel.</source>
        <translation>An output of the chip would land on a strip that already receives a level.</translation>
    </message>
    <message>
        <source>El terminal ya tiene un cable.</source>
        <translation>The terminal already has a wire.</translation>
    </message>
    <message>
        <source>El hueco ya tiene la patilla de un chip.</source>
        <translation>The hole already holds a chip pin.</translation>
    </message>
    <message>
        <source>Los dos terminales ya están unidos.</source>
        <translation>The two terminals are already joined.</translation>
    </message>
    <message>
        <source>El cable uniría dos tiras que ya reciben un nivel.</source>
        <translation>The wire would join two strips that already receive a level.</translation>
    </message>
    <message>
        <source>El tablero todavía tiene cables o chips.</source>
        <translation>The board still has wires or chips.</translation>
    </message>
    <message>
        <source>Con el módulo encendido no se puede cablear, mover ni quitar nada.</source>
        <translation>With the trainer on nothing can be wired, moved or removed.</translation>
    </message>
    <message>
        <source>Nivel alto</source>
        <translation>High level</translation>
    </message>
    <message>
        <source>Nivel bajo</source>
        <translation>Low level</translation>
    </message>
    <message>
        <source>Nivel flotante (Z, una entrada TTL lo lee como alto)</source>
        <translation>Floating level (Z, a TTL input reads it as high)</translation>
    </message>
    <message>
        <source>%1; lo da %2</source>
        <translation>%1; driven by %2</translation>
    </message>
    <message>
        <source>%1; 1 punto</source>
        <translation>%1; 1 point</translation>
    </message>
    <message>
        <source>%1; %2 puntos unidos</source>
        <translation>%1; %2 points joined</translation>
    </message>
    <message>
        <source>Cuatro puertas NAND de dos entradas</source>
        <translation>Quad 2-input NAND gates</translation>
    </message>
    <message>
        <source>Cuatro puertas NOR de dos entradas</source>
        <translation>Quad 2-input NOR gates</translation>
    </message>
    <message>
        <source>Seis inversores</source>
        <translation>Hex inverters</translation>
    </message>
    <message>
        <source>Cuatro puertas AND de dos entradas</source>
        <translation>Quad 2-input AND gates</translation>
    </message>
    <message>
        <source>Tres puertas NAND de tres entradas</source>
        <translation>Triple 3-input NAND gates</translation>
    </message>
    <message>
        <source>Tres puertas AND de tres entradas</source>
        <translation>Triple 3-input AND gates</translation>
    </message>
    <message>
        <source>Dos puertas NAND de cuatro entradas</source>
        <translation>Dual 4-input NAND gates</translation>
    </message>
    <message>
        <source>Dos puertas AND de cuatro entradas</source>
        <translation>Dual 4-input AND gates</translation>
    </message>
    <message>
        <source>Tres puertas NOR de tres entradas</source>
        <translation>Triple 3-input NOR gates</translation>
    </message>
    <message>
        <source>Puerta NAND de ocho entradas</source>
        <translation>8-input NAND gate</translation>
    </message>
    <message>
        <source>Cuatro puertas OR de dos entradas</source>
        <translation>Quad 2-input OR gates</translation>
    </message>
    <message>
        <source>Descodificador BCD a decimal, salidas activas a nivel bajo</source>
        <translation>BCD-to-decimal decoder, active-low outputs</translation>
    </message>
    <message>
        <source>Descodificador BCD a siete segmentos, salidas activas a nivel bajo</source>
        <translation>BCD-to-seven-segment decoder, active-low outputs</translation>
    </message>
    <message>
        <source>Dos AND-OR-INVERT: una de 2 + 2 entradas y otra de 3 + 3</source>
        <translation>Dual AND-OR-INVERT: one 2 + 2-input and one 3 + 3-input</translation>
    </message>
    <message>
        <source>AND-OR-INVERT de 2 + 3 + 3 + 2 entradas</source>
        <translation>2 + 3 + 3 + 2-input AND-OR-INVERT</translation>
    </message>
    <message>
        <source>AND-OR-INVERT de 4 + 4 entradas</source>
        <translation>4 + 4-input AND-OR-INVERT</translation>
    </message>
    <message>
        <source>Dos flip-flops JK con borrado, por flanco de bajada</source>
        <translation>Dual JK flip-flops with clear, negative-edge-triggered</translation>
    </message>
    <message>
        <source>Dos flip-flops D con preset y borrado, por flanco de subida</source>
        <translation>Dual D flip-flops with preset and clear, positive-edge-triggered</translation>
    </message>
    <message>
        <source>Cuatro latches D con salidas complementarias</source>
        <translation>Quad D latches with complementary outputs</translation>
    </message>
    <message>
        <source>Dos flip-flops JK con preset y borrado, por flanco de bajada</source>
        <translation>Dual JK flip-flops with preset and clear, negative-edge-triggered</translation>
    </message>
    <message>
        <source>Cuatro latches D</source>
        <translation>Quad D latches</translation>
    </message>
    <message>
        <source>Sumador binario de 4 bits con acarreo rápido</source>
        <translation>4-bit binary adder with fast carry</translation>
    </message>
    <message>
        <source>Comparador de magnitud de 4 bits</source>
        <translation>4-bit magnitude comparator</translation>
    </message>
    <message>
        <source>Cuatro puertas XOR de dos entradas</source>
        <translation>Quad 2-input XOR gates</translation>
    </message>
    <message>
        <source>Contador de décadas: divisor por 2 y por 5</source>
        <translation>Decade counter: divide by 2 and by 5</translation>
    </message>
    <message>
        <source>Contador divisor por 2 y por 6</source>
        <translation>Divide-by-2 and divide-by-6 counter</translation>
    </message>
    <message>
        <source>Contador binario de 4 bits: divisor por 2 y por 8</source>
        <translation>4-bit binary counter: divide by 2 and by 8</translation>
    </message>
    <message>
        <source>Registro de desplazamiento de 4 bits, entrada serie o paralelo</source>
        <translation>4-bit shift register, serial or parallel input</translation>
    </message>
    <message>
        <source>Dos flip-flops J-K negada con preset y borrado, por flanco de subida</source>
        <translation>Dual J-K-bar flip-flops with preset and clear, positive-edge-triggered</translation>
    </message>
    <message>
        <source>Dos flip-flops JK con preset, por flanco de bajada</source>
        <translation>Dual JK flip-flops with preset, negative-edge-triggered</translation>
    </message>
    <message>
        <source>Dos flip-flops JK con reloj y borrado comunes, por flanco de bajada</source>
        <translation>Dual JK flip-flops with common clock and clear, negative-edge-triggered</translation>
    </message>
    <message>
        <source>Puerta NAND de trece entradas</source>
        <translation>13-input NAND gate</translation>
    </message>
    <message>
        <source>Descodificador de 3 a 8 líneas con latches de dirección</source>
        <translation>3-to-8-line decoder with address latches</translation>
    </message>
    <message>
        <source>Descodificador/demultiplexor de 3 a 8 líneas</source>
        <translation>3-to-8-line decoder/demultiplexer</translation>
    </message>
    <message>
        <source>Dos descodificadores/demultiplexores de 2 a 4 líneas</source>
        <translation>Dual 2-to-4-line decoders/demultiplexers</translation>
    </message>
    <message>
        <source>Codificador de prioridad de 10 líneas a BCD</source>
        <translation>10-line-to-BCD priority encoder</translation>
    </message>
    <message>
        <source>Codificador de prioridad de 8 líneas a 3</source>
        <translation>8-line-to-3-line priority encoder</translation>
    </message>
    <message>
        <source>Multiplexor de 8 líneas a 1 con salidas complementarias</source>
        <translation>8-line-to-1 multiplexer with complementary outputs</translation>
    </message>
    <message>
        <source>Dos multiplexores de 4 líneas a 1</source>
        <translation>Dual 4-line-to-1 multiplexers</translation>
    </message>
    <message>
        <source>Cuatro multiplexores de 2 líneas a 1</source>
        <translation>Quad 2-line-to-1 multiplexers</translation>
    </message>
    <message>
        <source>Cuatro multiplexores de 2 líneas a 1, salidas invertidas</source>
        <translation>Quad 2-line-to-1 multiplexers, inverted outputs</translation>
    </message>
    <message>
        <source>Contador síncrono de décadas con carga, borrado asíncrono</source>
        <translation>Synchronous decade counter with load, asynchronous clear</translation>
    </message>
    <message>
        <source>Contador síncrono binario de 4 bits con carga, borrado asíncrono</source>
        <translation>Synchronous 4-bit binary counter with load, asynchronous clear</translation>
    </message>
    <message>
        <source>Contador síncrono de décadas con carga, borrado síncrono</source>
        <translation>Synchronous decade counter with load, synchronous clear</translation>
    </message>
    <message>
        <source>Contador síncrono binario de 4 bits con carga, borrado síncrono</source>
        <translation>Synchronous 4-bit binary counter with load, synchronous clear</translation>
    </message>
    <message>
        <source>Registro de desplazamiento de 8 bits, entrada serie y salida paralela</source>
        <translation>8-bit shift register, serial in, parallel out</translation>
    </message>
    <message>
        <source>Registro de desplazamiento de 8 bits, entrada paralela y salida serie</source>
        <translation>8-bit shift register, parallel in, serial out</translation>
    </message>
    <message>
        <source>Registro de desplazamiento de 8 bits, entrada paralela y salida serie, con borrado</source>
        <translation>8-bit shift register, parallel in, serial out, with clear</translation>
    </message>
    <message>
        <source>Contador síncrono de décadas ascendente y descendente</source>
        <translation>Synchronous up/down decade counter</translation>
    </message>
    <message>
        <source>Contador síncrono binario de 4 bits ascendente y descendente</source>
        <translation>Synchronous up/down 4-bit binary counter</translation>
    </message>
    <message>
        <source>Memoria de 4 palabras de 4 bits, lectura y escritura simultáneas</source>
        <translation>4-word by 4-bit memory, simultaneous read and write</translation>
    </message>
    <message>
        <source>Seis flip-flops D con borrado, por flanco de subida</source>
        <translation>Hex D flip-flops with clear, positive-edge-triggered</translation>
    </message>
    <message>
        <source>Cuatro flip-flops D con borrado y salidas complementarias</source>
        <translation>Quad D flip-flops with clear and complementary outputs</translation>
    </message>
    <message>
        <source>Unidad aritmética y lógica de 4 bits</source>
        <translation>4-bit arithmetic logic unit</translation>
    </message>
    <message>
        <source>Contador síncrono de décadas ascendente y descendente con carga</source>
        <translation>Synchronous up/down decade counter with load</translation>
    </message>
    <message>
        <source>Contador síncrono binario de 4 bits ascendente y descendente con carga</source>
        <translation>Synchronous up/down 4-bit binary counter with load</translation>
    </message>
    <message>
        <source>Contador síncrono de décadas con dos relojes, carga y borrado</source>
        <translation>Synchronous decade counter with dual clock, load and clear</translation>
    </message>
    <message>
        <source>Contador síncrono binario de 4 bits con dos relojes, carga y borrado</source>
        <translation>Synchronous 4-bit binary counter with dual clock, load and clear</translation>
    </message>
    <message>
        <source>Registro de desplazamiento bidireccional universal de 4 bits</source>
        <translation>4-bit bidirectional universal shift register</translation>
    </message>
    <message>
        <source>Registro de desplazamiento de 4 bits con entradas J-K y carga paralela</source>
        <translation>4-bit shift register with J-K inputs and parallel load</translation>
    </message>
    <message>
        <source>Contador de décadas con carga: divisor por 2 y por 5</source>
        <translation>Presettable decade counter: divide by 2 and by 5</translation>
    </message>
    <message>
        <source>Contador binario de 4 bits con carga: divisor por 2 y por 8</source>
        <translation>Presettable 4-bit binary counter: divide by 2 and by 8</translation>
    </message>
    <message>
        <source>Descodificador BCD a siete segmentos con colas en el 6 y el 9</source>
        <translation>BCD-to-seven-segment decoder with tails on 6 and 9</translation>
    </message>
    <message>
        <source>Dos latches direccionables de 4 bits</source>
        <translation>Dual 4-bit addressable latches</translation>
    </message>
    <message>
        <source>Latch direccionable de 8 bits</source>
        <translation>8-bit addressable latch</translation>
    </message>
    <message>
        <source>Dos puertas NOR de cinco entradas</source>
        <translation>Dual 5-input NOR gates</translation>
    </message>
    <message>
        <source>Ocho flip-flops D con borrado, por flanco de subida</source>
        <translation>Octal D flip-flops with clear, positive-edge-triggered</translation>
    </message>
    <message>
        <source>Cuatro latches S-R con entradas activas a nivel bajo</source>
        <translation>Quad S-R latches with active-low inputs</translation>
    </message>
    <message>
        <source>Generador y comprobador de paridad de 9 bits</source>
        <translation>9-bit parity generator and checker</translation>
    </message>
    <message>
        <source>Cuatro multiplexores de 2 líneas a 1 con registro, por flanco de bajada</source>
        <translation>Quad 2-line-to-1 multiplexers with storage, negative-edge-triggered</translation>
    </message>
    <message>
        <source>Dos multiplexores de 4 líneas a 1, salidas invertidas</source>
        <translation>Dual 4-line-to-1 multiplexers, inverted outputs</translation>
    </message>
    <message>
        <source>Ocho flip-flops D con habilitación, por flanco de subida</source>
        <translation>Octal D flip-flops with enable, positive-edge-triggered</translation>
    </message>
    <message>
        <source>Seis flip-flops D con habilitación, por flanco de subida</source>
        <translation>Hex D flip-flops with enable, positive-edge-triggered</translation>
    </message>
    <message>
        <source>Cuatro flip-flops D con habilitación y salidas complementarias</source>
        <translation>Quad D flip-flops with enable and complementary outputs</translation>
    </message>
    <message>
        <source>Dos contadores de décadas: divisores por 2 y por 5</source>
        <translation>Dual decade counters: divide by 2 and by 5</translation>
    </message>
    <message>
        <source>Dos contadores binarios de 4 bits</source>
        <translation>Dual 4-bit binary counters</translation>
    </message>
    <message>
        <source>Cuatro multiplexores de 2 líneas a 1 con registro y salidas complementarias</source>
        <translation>Quad 2-line-to-1 multiplexers with storage and complementary outputs</translation>
    </message>
    <message>
        <source>Cuatro multiplexores de 2 líneas a 1 con registro</source>
        <translation>Quad 2-line-to-1 multiplexers with storage</translation>
    </message>
    <message>
        <source>Dos contadores de décadas con puesta a 9</source>
        <translation>Dual decade counters with set-to-9</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Use «%1 --help» para ver cómo se usa.</source>
        <translation>Use «%1 --help» to see how it is used.</translation>
    </message>
    <message>
        <source>--idioma admite es o en</source>
        <translation>--idioma takes es or en</translation>
    </message>
    <message>
        <source>la opción %1 aparece dos veces</source>
        <translation>the option %1 appears twice</translation>
    </message>
    <message>
        <source>las opciones «--csv» y «--json» no pueden ir juntas</source>
        <translation>the options «--csv» and «--json» cannot go together</translation>
    </message>
    <message>
        <source>falta la orden: simular, tabla, comprobar o revisar</source>
        <translation>missing order: simular, tabla, comprobar or revisar</translation>
    </message>
    <message>
        <source>orden desconocida %1; se espera simular, tabla, comprobar o revisar</source>
        <translation>unknown order %1; expected simular, tabla, comprobar or revisar</translation>
    </message>
    <message>
        <source>la orden %1 no admite la opción %2</source>
        <translation>the order %1 does not take the option %2</translation>
    </message>
    <message>
        <source>falta el archivo tras %1</source>
        <translation>missing file after %1</translation>
    </message>
    <message>
        <source>faltan los segundos tras %1</source>
        <translation>missing seconds after %1</translation>
    </message>
    <message>
        <source>sobra el argumento %1</source>
        <translation>extra argument %1</translation>
    </message>
    <message>
        <source>opción desconocida %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>falta el archivo del circuito</source>
        <translation>missing circuit file</translation>
    </message>
    <message>
        <source>entrada estándar</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>El circuito no tiene interruptores cableados: no hay tabla que recorrer.</source>
        <translation>The circuit has no wired switches: there is no table to go through.</translation>
    </message>
    <message>
        <source>El circuito tiene %1 interruptores cableados; la tabla admite %2 como máximo.</source>
        <translation>The circuit has %1 wired switches; the table takes %2 at most.</translation>
    </message>
    <message>
        <source>no se puede leer el guion de la entrada estándar</source>
        <translation>cannot read the script from standard input</translation>
    </message>
    <message>
        <source>no se puede abrir el guion %1</source>
        <translation>cannot open the script %1</translation>
    </message>
    <message>
        <source>el guion %1 no es un archivo normal; se lee de un archivo o de la entrada estándar</source>
        <translation>the script %1 is not a regular file; it is read from a file or from standard input</translation>
    </message>
    <message>
        <source>no se puede leer el guion %1</source>
        <translation>cannot read the script %1</translation>
    </message>
    <message>
        <source>orden desconocida %1</source>
        <translation>unknown order %1</translation>
    </message>
    <message>
        <source>faltan argumentos; se espera: %1</source>
        <translation>missing arguments; expected: %1</translation>
    </message>
    <message>
        <source>sobran argumentos; se espera: %1</source>
        <translation>too many arguments; expected: %1</translation>
    </message>
    <message>
        <source>%1 no es un número entero</source>
        <translation>%1 is not a whole number</translation>
    </message>
    <message>
        <source>la posición de la palanca debe ser 0 o 1, no %1</source>
        <translation>the lever&apos;s position must be 0 or 1, not %1</translation>
    </message>
    <message>
        <source>el número de tics debe ser 1 o más, no %1</source>
        <translation>the number of ticks must be 1 or more, not %1</translation>
    </message>
    <message>
        <source>la línea pasa de %1 caracteres</source>
        <translation>the line is longer than %1 characters</translation>
    </message>
    <message>
        <source>el guion pasa de %1 MB</source>
        <translation>the script is larger than %1 MB</translation>
    </message>
    <message>
        <source>no existe el tablero %1</source>
        <translation>there is no board %1</translation>
    </message>
    <message>
        <source>el tablero %1 no es de interruptores</source>
        <translation>board %1 is not a switch board</translation>
    </message>
    <message>
        <source>el tablero %1 no es de pulsadores</source>
        <translation>board %1 is not a push-button board</translation>
    </message>
    <message>
        <source>no existe la palanca %1 (van de 0 a %2)</source>
        <translation>there is no lever %1 (they go from 0 to %2)</translation>
    </message>
    <message>
        <source>no existe el pulsador %1 (van de 0 a %2)</source>
        <translation>there is no push-button %1 (they go from 0 to %2)</translation>
    </message>
    <message>
        <source>el tablero %1 no tiene puertos</source>
        <translation>board %1 has no ports</translation>
    </message>
    <message>
        <source>no existe el puerto %1 del tablero %2 (van de 0 a %3)</source>
        <translation>there is no port %1 on board %2 (they go from 0 to %3)</translation>
    </message>
    <message>
        <source>falta lo que se espera: --tabla, --referencia o --guion con --salida</source>
        <translation>missing what is expected: --tabla, --referencia or --guion with --salida</translation>
    </message>
    <message>
        <source>solo se compara con una cosa: --tabla, --referencia o --guion con --salida</source>
        <translation>compare with one thing only: --tabla, --referencia or --guion with --salida</translation>
    </message>
    <message>
        <source>--guion y --salida van juntos</source>
        <translation>--guion and --salida go together</translation>
    </message>
    <message>
        <source>falta algún circuito o carpeta que comprobar</source>
        <translation>missing a circuit or folder to check</translation>
    </message>
    <message>
        <source>el plazo es un número de segundos de 1 a 3600</source>
        <translation>the time limit is a number of seconds from 1 to 3600</translation>
    </message>
    <message>
        <source>no se asienta: el circuito posee realimentaciones y no llega a un estado estable</source>
        <translation>does not settle: the circuit has feedback loops and never reaches a stable state</translation>
    </message>
    <message>
        <source>la comprobación se interrumpió</source>
        <translation>the check was interrupted</translation>
    </message>
    <message>
        <source>sin hallazgos</source>
        <translation>no findings</translation>
    </message>
    <message>
        <source>no terminó en %1 s</source>
        <translation>did not finish in %1 s</translation>
    </message>
    <message>
        <source>no se puede leer %1 %2 (ha de ser un archivo normal)</source>
        <translation>cannot read %1 %2 (it must be a regular file)</translation>
    </message>
    <message>
        <source>la tabla</source>
        <translation>the table</translation>
    </message>
    <message>
        <source>la salida</source>
        <translation>the output</translation>
    </message>
    <message>
        <source>el archivo de fallos</source>
        <translation>the fault file</translation>
    </message>
    <message>
        <source>la tabla %1 no sirve: %2</source>
        <translation>the table %1 is of no use: %2</translation>
    </message>
    <message>
        <source>falta la palanca %1 (no está cableada)</source>
        <translation>missing lever %1 (it is not wired)</translation>
    </message>
    <message>
        <source>falta la luz %1 (no está cableada)</source>
        <translation>missing light %1 (it is not wired)</translation>
    </message>
    <message>
        <source>%1 fila distinta de %2</source>
        <translation>%1 differing row of %2</translation>
    </message>
    <message>
        <source>%1 filas distintas de %2</source>
        <translation>%1 differing rows of %2</translation>
    </message>
    <message>
        <source>%1 línea distinta de %2</source>
        <translation>%1 differing line of %2</translation>
    </message>
    <message>
        <source>%1 líneas distintas de %2</source>
        <translation>%1 differing lines of %2</translation>
    </message>
    <message>
        <source>%1: %2=%3 (se espera %4)</source>
        <translation>%1: %2=%3 (expected %4)</translation>
    </message>
    <message>
        <source>línea %1: %2 (se espera %3)</source>
        <translation>line %1: %2 (expected %3)</translation>
    </message>
    <message>
        <source>el guion no sirve para este circuito: línea %1: %2</source>
        <translation>the script does not fit this circuit: line %1: %2</translation>
    </message>
    <message>
        <source>el circuito de referencia no tiene interruptores cableados</source>
        <translation>the reference circuit has no wired switches</translation>
    </message>
    <message>
        <source>el circuito de referencia tiene %1 interruptores cableados; se admiten 16 como máximo</source>
        <translation>the reference circuit has %1 wired switches; 16 at most are allowed</translation>
    </message>
    <message>
        <source>Resumen: %1, %2, %3, %4</source>
        <translation>Summary: %1, %2, %3, %4</translation>
    </message>
    <message>
        <source>%1 circuito</source>
        <translation>%1 circuit</translation>
    </message>
    <message>
        <source>%1 circuitos</source>
        <translation>%1 circuits</translation>
    </message>
    <message>
        <source>%1 correcto</source>
        <translation>%1 correct</translation>
    </message>
    <message>
        <source>%1 correctos</source>
        <translation>%1 correct</translation>
    </message>
    <message>
        <source>%1 incorrecto</source>
        <translation>%1 incorrect</translation>
    </message>
    <message>
        <source>%1 incorrectos</source>
        <translation>%1 incorrect</translation>
    </message>
    <message>
        <source>%1 ilegible</source>
        <translation>%1 unreadable</translation>
    </message>
    <message>
        <source>%1 ilegibles</source>
        <translation>%1 unreadable</translation>
    </message>
    <message>
        <source>%1 hallazgo</source>
        <translation>%1 finding</translation>
    </message>
    <message>
        <source>%1 hallazgos</source>
        <translation>%1 findings</translation>
    </message>
    <message>
        <source>el puerto %1 del tablero %2 ya se registra</source>
        <translation>port %1 of board %2 is already recorded</translation>
    </message>
    <message>
        <source>el analizador registra %1 canales como máximo</source>
        <translation>the analyser records %1 channels at most</translation>
    </message>
    <message>
        <source>NOMBRE</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>no se puede escribir el registro %1</source>
        <translation>cannot write the record %1</translation>
    </message>
    <message>
        <source>protoboard</source>
        <translation>breadboard</translation>
    </message>
    <message>
        <source>interruptores</source>
        <translation>switches</translation>
    </message>
    <message>
        <source>pulsadores</source>
        <translation>push-buttons</translation>
    </message>
    <message>
        <source>leds</source>
        <translation>LEDs</translation>
    </message>
    <message>
        <source>fuente DC</source>
        <translation>DC supply</translation>
    </message>
    <message>
        <source>temporizador</source>
        <translation>timer</translation>
    </message>
    <message>
        <source>siete segmentos</source>
        <translation>seven-segment</translation>
    </message>
    <message>
        <source>PLA</source>
        <translation>PLA</translation>
    </message>
    <message>
        <source>tablero</source>
        <translation>board</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2) %3</source>
        <translation>%1 (%2) %3</translation>
    </message>
    <message>
        <source>palanca %1</source>
        <translation>lever %1</translation>
    </message>
    <message>
        <source>pulsador %1</source>
        <translation>push-button %1</translation>
    </message>
    <message>
        <source>terminal %1</source>
        <translation>terminal %1</translation>
    </message>
    <message>
        <source>%1 patilla %2</source>
        <translation>%1 pin %2</translation>
    </message>
    <message>
        <source>la tabla está vacía</source>
        <translation>the table is empty</translation>
    </message>
    <message>
        <source>la línea 1 no es la cabecera de una tabla</source>
        <translation>line 1 is not the header of a table</translation>
    </message>
    <message>
        <source>la columna %1 aparece dos veces</source>
        <translation>the column %1 appears twice</translation>
    </message>
    <message>
        <source>la tabla tiene más de %1 filas</source>
        <translation>the table has more than %1 rows</translation>
    </message>
    <message>
        <source>la línea %1 no tiene un 0 o un 1 por columna</source>
        <translation>line %1 does not have a 0 or a 1 in each column</translation>
    </message>
    <message>
        <source>protoboard %1, columna %2, fila %3 de la zona %4</source>
        <translation>breadboard %1, column %2, row %3 of the %4 area</translation>
    </message>
    <message>
        <source>tablero %1, terminal %2</source>
        <translation>board %1, terminal %2</translation>
    </message>
    <message>
        <source>tablero %1</source>
        <translation>board %1</translation>
    </message>
    <message>
        <source>chip %1 (n.º %2)</source>
        <translation>chip %1 (no. %2)</translation>
    </message>
    <message>
        <source>%1, patilla %2</source>
        <translation>%1, pin %2</translation>
    </message>
    <message>
        <source>%1: salida en la misma red que %2</source>
        <translation>%1: output on the same net as %2</translation>
    </message>
    <message>
        <source>%1, patilla %2: salida en la misma red que %3 (%4)</source>
        <translation>%1, pin %2: output on the same net as %3 (%4)</translation>
    </message>
    <message>
        <source>dentro del chip</source>
        <translation>inside the chip</translation>
    </message>
    <message>
        <source>con el chip n.º %1</source>
        <translation>through chip no. %1</translation>
    </message>
    <message>
        <source>con los chips n.º %1</source>
        <translation>through chips no. %1</translation>
    </message>
    <message>
        <source>%1, patilla %2: realimentación sin biestable %3 (%4)</source>
        <translation>%1, pin %2: feedback loop without a flip-flop %3 (%4)</translation>
    </message>
    <message>
        <source>tablero %1 (%2), terminal %3 (%4): la alimentación no llega; ha de ir al %4 de la fuente</source>
        <translation>board %1 (%2), terminal %3 (%4): the supply does not reach it; it must go to the supply&apos;s %4</translation>
    </message>
    <message>
        <source>%1: no está enchufado en la protoboard (en %2, %3)</source>
        <translation>%1: not plugged into the breadboard (at %2, %3)</translation>
    </message>
    <message>
        <source>%1: no está enchufado en la protoboard</source>
        <translation>%1: not plugged into the breadboard</translation>
    </message>
    <message>
        <source>%1, patilla %2: la alimentación no llega (%3)</source>
        <translation>%1, pin %2: the supply does not reach it (%3)</translation>
    </message>
    <message>
        <source>%1, patilla %2: entrada al aire, se lee como 1 (%3)</source>
        <translation>%1, pin %2: floating input, read as 1 (%3)</translation>
    </message>
    <message>
        <source>cable %1: un extremo no está conectado (%2, en %3, %4)</source>
        <translation>wire %1: one end is not connected (%2, at %3, %4)</translation>
    </message>
    <message>
        <source>&amp;Circuitos</source>
        <translation>&amp;Circuits</translation>
    </message>
    <message>
        <source>Edición</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Tableros</source>
        <translation>Boards</translation>
    </message>
    <message>
        <source>Circuitos TTL</source>
        <translation>TTL chips</translation>
    </message>
    <message>
        <source>Tutoriales</source>
        <translation>Tutorials</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Nuevo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Recuperar...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Almacenar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Almacenar en...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Archivos recientes</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>Ninguno</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Revisar circuito</source>
        <translation>Review circuit</translation>
    </message>
    <message>
        <source>Fallos...</source>
        <translation>Faults...</translation>
    </message>
    <message>
        <source>Exportar imagen...</source>
        <translation>Export picture...</translation>
    </message>
    <message>
        <source>Imprimir...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Exportar informe (PDF)...</source>
        <translation>Export report (PDF)...</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Acercar</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Alejar</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Tamaño normal</source>
        <translation>Actual size</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Ajustar a la ventana</source>
        <translation>Fit to window</translation>
    </message>
    <message>
        <source>Patillaje</source>
        <translation>Pinout</translation>
    </message>
    <message>
        <source>Analizador lógico</source>
        <translation>Logic analyser</translation>
    </message>
    <message>
        <source>Protoboard (breadboard)</source>
        <translation>Breadboard</translation>
    </message>
    <message>
        <source>Interruptores</source>
        <translation>Switches</translation>
    </message>
    <message>
        <source>Pulsadores</source>
        <translation>Push-buttons</translation>
    </message>
    <message>
        <source>Leds</source>
        <translation>LEDs</translation>
    </message>
    <message>
        <source>Leds de siete segmentos</source>
        <translation>Seven-segment LEDs</translation>
    </message>
    <message>
        <source>Temporizador</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Color de los cables nuevos</source>
        <translation>Colour of new wires</translation>
    </message>
    <message>
        <source>PLA de 4 x 8 x 4</source>
        <translation>4 x 8 x 4 PLA</translation>
    </message>
    <message>
        <source>Contacto..</source>
        <translation>Contact..</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Simulador de circuitos TTL 74xx</source>
        <translation>74xx TTL circuit simulator</translation>
    </message>
    <message>
        <source>Laboratorio de Electrónica Digital</source>
        <translation>Digital Electronics Laboratory</translation>
    </message>
    <message>
        <source>Escuela de Ingeniería Electrónica</source>
        <translation>School of Electronic Engineering</translation>
    </message>
    <message>
        <source>Envíenos sus comentarios</source>
        <translation>Send us your comments</translation>
    </message>
    <message>
        <source>Hagamos un mundo mejor</source>
        <translation>Let&apos;s make a better world</translation>
    </message>
    <message>
        <source>Versión %1 (2541180) - Mayo de 2011</source>
        <translation>Version %1 (2541180) - May 2011</translation>
    </message>
    <message>
        <source>¡ Vamo&apos; Pa&apos; Chincha Familia !</source>
        <translation>Off to Chincha, folks!</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Sí</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Colores básicos</source>
        <translation>Basic colours</translation>
    </message>
    <message>
        <source>Colores personalizados</source>
        <translation>Custom colours</translation>
    </message>
    <message>
        <source>Agregar a los colores personalizados</source>
        <translation>Add to custom colours</translation>
    </message>
    <message>
        <source>Pase el puntero sobre un chip para ver su patillaje.</source>
        <translation>Rest the pointer on a chip to see its pinout.</translation>
    </message>
    <message>
        <source>El programa hablará el idioma elegido desde la próxima vez que se abra.</source>
        <translation>The program will speak the chosen language from the next time it is opened.</translation>
    </message>
    <message>
        <source>cable %1: un extremo no está conectado (%2)</source>
        <translation>wire %1: one end is not connected (%2)</translation>
    </message>
    <message>
        <source>la columna %1 de la cabecera lleva un carácter de control</source>
        <translation>column %1 of the header holds a control character</translation>
    </message>
    <message>
        <source>la columna %1 no es una palanca ni una luz (se espera int4.0, leds5.0 o 7seg6.0a)</source>
        <translation>the column %1 is neither a lever nor a light (expected int4.0, leds5.0 or 7seg6.0a)</translation>
    </message>
    <message>
        <source>no tiene ninguna columna de palanca (int...)</source>
        <translation>it has no lever column (int...)</translation>
    </message>
    <message>
        <source>no tiene ninguna columna de luz (leds... o 7seg...)</source>
        <translation>it has no light column (leds... or 7seg...)</translation>
    </message>
    <message>
        <source>tiene %1 columnas de palanca; se admiten 16 como máximo</source>
        <translation>it has %1 lever columns; 16 at most are allowed</translation>
    </message>
    <message>
        <source>no tiene filas tras la cabecera</source>
        <translation>it has no rows after the header</translation>
    </message>
    <message>
        <source>el cable %1 ya tiene su fallo en la línea %2</source>
        <translation>wire %1 already has its fault on line %2</translation>
    </message>
    <message>
        <source>la patilla %1 del chip %2 ya tiene su fallo en la línea %3</source>
        <translation>pin %1 of chip %2 already has its fault on line %3</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>el tablero %1 no es de leds</source>
        <translation>board %1 is not an LED board</translation>
    </message>
    <message>
        <source>el tablero %1 no es de siete segmentos</source>
        <translation>board %1 is not a seven-segment board</translation>
    </message>
    <message>
        <source>la columna %1 no sirve: %2</source>
        <translation>the column %1 is of no use: %2</translation>
    </message>
    <message>
        <source>el circuito de referencia no tiene luces cableadas: no hay nada que comparar</source>
        <translation>the reference circuit has no wired lights: there is nothing to compare</translation>
    </message>
    <message>
        <source>no se puede leer %1 %2: pasa de %3 MB</source>
        <translation>cannot read %1 %2: it is over %3 MB</translation>
    </message>
    <message>
        <source>Se compara %1 fila de las %2 combinaciones de las palancas.</source>
        <translation>%1 row of the levers&apos; %2 combinations is compared.</translation>
    </message>
    <message>
        <source>Se comparan %1 filas de las %2 combinaciones de las palancas.</source>
        <translation>%1 rows of the levers&apos; %2 combinations are compared.</translation>
    </message>
    <message>
        <source>la tabla %1 no sirve: tiene %2 de las %3 combinaciones de sus palancas (--completa)</source>
        <translation>the table %1 is of no use: it has %2 of its levers&apos; %3 combinations (--completa)</translation>
    </message>
    <message>
        <source>Apague el módulo antes de retirar la selección.</source>
        <translation>Switch the trainer off before removing the selection.</translation>
    </message>
    <message>
        <source>Apague el módulo antes de pegar piezas.</source>
        <translation>Switch the trainer off before pasting parts.</translation>
    </message>
    <message>
        <source>Cortar</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Borrar selección</source>
        <translation>Delete selection</translation>
    </message>
    <message>
        <source>Seleccionar todo</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Ajustar al circuito</source>
        <translation>Fit to circuit</translation>
    </message>
    <message>
        <source>falta la carpeta de la práctica</source>
        <translation>the lab&apos;s folder is missing</translation>
    </message>
    <message>
        <source>no se puede leer %1</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>%1 no es la carpeta de una práctica</source>
        <translation>%1 is not a lab&apos;s folder</translation>
    </message>
    <message>
        <source>a la práctica %1 le falta el enunciado (%2)</source>
        <translation>the lab %1 has no statement (%2)</translation>
    </message>
    <message>
        <source>la práctica %1 necesita una sola comprobación: %2, %3 o %4 con %5</source>
        <translation>the lab %1 needs exactly one check: %2, %3 or %4 with %5</translation>
    </message>
    <message>
        <source>no se puede leer el circuito de referencia %1</source>
        <translation>the reference circuit %1 cannot be read</translation>
    </message>
    <message>
        <source>el circuito de referencia %1 no tiene entre 1 y 16 palancas cableadas</source>
        <translation>the reference circuit %1 does not have between 1 and 16 wired levers</translation>
    </message>
    <message>
        <source>esta práctica se comprueba con un guion: velistra-cli practica %1 CIRCUITO.txt</source>
        <translation>this lab is checked with a script: velistra-cli practica %1 CIRCUIT.txt</translation>
    </message>
    <message>
        <source>Prácticas</source>
        <translation>Labs</translation>
    </message>
    <message>
        <source>Prácticas del curso</source>
        <translation>Course labs</translation>
    </message>
    <message>
        <source>Abrir práctica...</source>
        <translation>Open lab...</translation>
    </message>
</context>
<context>
    <name>velistra::PanelDePatillaje</name>
    <message>
        <source>Ningún chip</source>
        <translation>No chip</translation>
    </message>
    <message>
        <source>Pase el puntero sobre un chip o haga clic en él.</source>
        <translation>Rest the pointer on a chip or click it.</translation>
    </message>
    <message>
        <source>El chip no está enchufado en la protoboard.</source>
        <translation>The chip is not plugged into the breadboard.</translation>
    </message>
    <message>
        <source>Encienda la fuente para ver el nivel de cada patilla.</source>
        <translation>Switch the supply on to see the level of each pin.</translation>
    </message>
    <message>
        <source>Niveles en la protoboard: 1 alto, 0 bajo, Z al aire (se lee como 1).</source>
        <translation>Levels on the breadboard: 1 high, 0 low, Z floating (read as 1).</translation>
    </message>
</context>
<context>
    <name>velistra::PanelDePracticas</name>
    <message>
        <source>Empezar</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Check</translation>
    </message>
</context>
<context>
    <name>velistra::PanelDelAnalizador</name>
    <message>
        <source>Sonda</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Con la sonda, un clic en un hueco o un terminal añade un canal (también Ctrl+clic)</source>
        <translation>With the probe, a click on a hole or a terminal adds a channel (Ctrl+click too)</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>En pausa no se anota nada; el tiempo sigue</source>
        <translation>While paused nothing is recorded; time goes on</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Quitar canal</source>
        <translation>Remove channel</translation>
    </message>
    <message>
        <source>Exportar...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Nombre del canal:</source>
        <translation>Channel name:</translation>
    </message>
    <message>
        <source>No se pudo escribir «%1».</source>
        <translation>«%1» could not be written.</translation>
    </message>
    <message>
        <source>El analizador tiene ya sus 16 canales.</source>
        <translation>The analyser already has its 16 channels.</translation>
    </message>
    <message>
        <source>Ese punto ya es un canal del analizador.</source>
        <translation>That point is already a channel of the analyser.</translation>
    </message>
</context>
<context>
    <name>velistra::Programa</name>
    <message>
        <source>No se encuentra el archivo «%1»; se quita de los archivos recientes.</source>
        <translation>The file «%1» cannot be found; it is removed from the recent files.</translation>
    </message>
    <message>
        <source>Sonda</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Un clic en un hueco o un terminal añade un canal al analizador; Esc deja la sonda.</source>
        <translation>A click on a hole or a terminal adds a channel to the analyser; Esc leaves the probe.</translation>
    </message>
</context>
</TS>
