#include "cli/Ayuda.h"

#include "cli/Textos.h"

namespace velistra::consola {

const char* TextoDeAyuda() {
    return IdiomaDeLaEjecucion() == Idioma::Ingles ? AyudaEnIngles() : AyudaEnEspanol();
}

const char* AyudaEnEspanol() {
    return R"(Uso:
  velistra-cli simular CIRCUITO.txt [--guion GUION] [--json] [--guardar SALIDA.txt]
               [--fallos FALLOS] [--vcd SALIDA.vcd]
  velistra-cli tabla CIRCUITO.txt [--csv | --json]
  velistra-cli comprobar CIRCUITO.txt|CARPETA... (--tabla ESPERADA.csv |
               --referencia PROFESOR.txt | --guion GUION --salida SALIDA)
               [--csv | --json] [--plazo SEGUNDOS]
  velistra-cli revisar CIRCUITO.txt [--json]
  velistra-cli --help
  velistra-cli --version
  Cualquiera de ellas admite --idioma es|en.

Simula sin ventana un circuito guardado por Velistra, con el mismo motor que el
programa. El circuito se carga con la fuente apagada.

simular  Ejecuta un guion: una orden por línea, leída de GUION o, sin --guion, de
         la entrada estándar. «#» inicia un comentario; las líneas en blanco no
         cuentan. Todo el guion se comprueba antes de ejecutar la primera orden.
         GUION ha de ser un archivo normal (no una carpeta, una tubería ni un
         dispositivo); una línea tiene como máximo 4096 caracteres y el guion, 4 MB.

  encender | apagar     acciona el interruptor de la fuente (si ya está en esa
                        posición, no hace nada)
  interruptor ID I 0|1  pone la palanca I (0 a 7) del tablero de interruptores ID
                        abajo (0) o arriba (1)
  pulsar ID I           aprieta el pulsador I (0 a 7) del tablero de pulsadores ID
  soltar ID I           suelta ese pulsador
  tic [N]               N pasos (1 si se omite) del temporizador de 47 ms
  mostrar               una línea por cada tablero de leds, de siete segmentos y
                        PLA, en el orden de los tableros:
                          leds 4: 10100000   lámpara 0 primero, 1 = encendida
                          7seg 5: ...        32 segmentos, dígito 0 primero, en el
                                             orden a b c d e f g p
                          pla 6: 0000        salidas W X Y Z
  sonda ID P            el estado (0, 1 o Z) del puerto P del tablero ID:
                          sonda 3 5: 1
  registrar ID P [NOMBRE]
                        añade al analizador lógico un canal en el puerto P del
                        tablero ID (16 como máximo), con ese nombre o con el de
                        lo que toca («3:a12», hueco a12 de la protoboard 3);
                        desde ahí se anota su nivel tras cada asentamiento

  --json                un objeto JSON por cada línea de mostrar y de sonda
  --guardar SALIDA.txt  al terminar el guion guarda el circuito en SALIDA.txt,
                        como la orden «Almacenar en...»
  --fallos FALLOS       planta en silencio los fallos del archivo FALLOS (una
                        línea cada uno, «#» inicia un comentario; chips y cables
                        numerados desde 1, como los nombra revisar):
                          patilla CHIP PATILLA 0|1|abierta
                          cable CABLE abierto
                        el circuito se ve y se guarda como siempre
  --vcd SALIDA.vcd      al terminar el guion escribe en SALIDA.vcd (Value Change
                        Dump, el formato de los visores de ondas) los canales de
                        registrar; cada tic avanza 47 ms y cada orden entre dos
                        tics, 1 µs más, para que cada cambio tenga su tiempo

tabla    Enciende la fuente y recorre todas las combinaciones de las palancas
         cableadas (las que llevan un cable en alguno de sus tres terminales; 16
         como máximo), en el orden de los tableros y de las palancas; la primera
         palanca es el bit más significativo. Cada fila da las palancas y las luces
         cableadas: intN.I es la palanca I del tablero N, ledsN.I la lámpara I y
         7segN.Dx el segmento x del dígito D (1 = encendida).

  --csv                 valores separados por comas, con una línea de cabecera
  --json                un objeto JSON por fila

comprobar  Comprueba uno o muchos circuitos (archivos, o carpetas con sus .txt,
         también en subcarpetas) y escribe una línea por circuito («correcto»,
         «incorrecto» con las primeras filas o líneas distintas y cuántas son, o
         «ilegible») y una línea de resumen.
  --tabla ESPERADA.csv  la tabla que escribe «tabla --csv»; las columnas se
                        buscan por nombre, y una palanca o luz que falta se dice
  --referencia P.txt    el circuito del profesor: las mismas palancas y luces,
                        por tablero e índice, en todas las combinaciones
  --guion G --salida S  para circuitos secuenciales: la salida de simular con
                        el guion G ha de ser S, línea a línea
  --csv | --json        un informe para la hoja de notas
  --plazo SEGUNDOS      tiempo de cada circuito (10 si se omite, de 1 a 3600);
                        cada circuito se comprueba en un proceso aparte, así
                        que uno que no termina o que no se asienta no para el lote

revisar  Busca los errores habituales de cableado, cada uno con su lugar (tablero,
         columna y fila de la protoboard, o chip y patilla): chips sin enchufar,
         patillas VCC o GND a las que no llega la alimentación, entradas al aire
         que importan (se leen como 1), cables con un extremo sin conectar, dos
         salidas en la misma red (solo las une un archivo), tableros en uso cuyo
         VCC o GND no va a la fuente y realimentaciones sin biestable, con los
         chips por los que pasan.
  --json                un objeto JSON por hallazgo

Los avisos del programa, como el de realimentación, salen por la salida de
errores y la simulación continúa.

Los mensajes y esta ayuda salen en inglés con una configuración regional inglesa
(LC_ALL, LC_MESSAGES o LANG, la primera que tenga valor, empieza por «en») y en
español con cualquier otra; --idioma es|en lo decide. Las órdenes del guion y las
palabras de la salida (leds, 7seg, correcto, ...) no cambian con el idioma.

Códigos de salida:
  0  terminado
  1  uso incorrecto, un guion que no se puede leer o con errores (se indican el
     archivo y la línea: una orden mal escrita, una línea demasiado larga, un
     guion demasiado grande) o una tabla que no se puede hacer
  2  el archivo del circuito no se puede leer o no es un archivo normal (una
     carpeta, una tubería, un dispositivo), con el mensaje del programa
  3  el circuito (--guardar) o el registro (--vcd) no se pudo guardar (también si el disco o el límite de tamaño
     de archivo no lo admiten; el archivo anterior queda intacto)
  4  comprobar: algún circuito es incorrecto, no se asienta o no terminó a
     tiempo; revisar: hay hallazgos
En comprobar, 0 es que todos son correctos, 2 que alguno es ilegible (aunque
otros sean incorrectos) y 1 también que la tabla, el guion o la salida esperada
no se pueden leer.
)";
}

}  // namespace velistra::consola
