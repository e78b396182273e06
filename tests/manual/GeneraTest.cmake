# The manual generator keeps every byte of the help (semicolons, brackets and
# backslashes, which CMake lists would eat, and blank lines) and writes the page as roff
# reads it; a source it does not understand stops the build.
#   cmake -DGENERA=manual/Genera.cmake -DTEMPORAL=carpeta -P GeneraTest.cmake
file(REMOVE_RECURSE "${TEMPORAL}")
file(MAKE_DIRECTORY "${TEMPORAL}")

function(genera fuente resultado)
  file(WRITE "${TEMPORAL}/prueba.manual" "${fuente}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DFUENTE=${TEMPORAL}/prueba.manual
                          -DAYUDA=${TEMPORAL}/Ayuda.cpp -DFUNCION=AyudaDePrueba -DPROGRAMA=prueba
                          -DMANUALES=${TEMPORAL} -DVERSION=9.9 -P ${GENERA}
                  RESULT_VARIABLE codigo ERROR_VARIABLE errores OUTPUT_QUIET)
  set(${resultado} "${codigo}: ${errores}" PARENT_SCOPE)
endfunction()

function(espera nombre esperado escrito)
  if(NOT escrito STREQUAL esperado)
    message(FATAL_ERROR "${nombre} esperado:\n${esperado}\n${nombre} escrito:\n${escrito}")
  endif()
endfunction()

genera([=[
@pagina prueba 1 "hoy" "Pruebas"
@manual
@seccion NOMBRE
prueba - una; dos [tres] \cuatro
@ambos
@ayuda Uso:
@sinopsis
  prueba orden ARCHIVO.txt [--opcion VALOR]
@fin

.empieza con punto; y sigue
orden  ^hace algo [con corchetes]
  --uno A|B  ^la primera; con punto y coma
             y una segunda línea \con barra
@literal
                 literal;  [sin tocar]
@fin
Fin.
@manual
@roff .BR otra (1)
]=] resultado)
espera("resultado" "0: " "${resultado}")

file(READ "${TEMPORAL}/Ayuda.cpp" fuente_de_la_ayuda)
string(FIND "${fuente_de_la_ayuda}" "R\"ayuda(" inicio)
string(FIND "${fuente_de_la_ayuda}" ")ayuda\"" fin)
math(EXPR inicio "${inicio} + 8")
math(EXPR largo "${fin} - ${inicio}")
string(SUBSTRING "${fuente_de_la_ayuda}" ${inicio} ${largo} ayuda)
espera("la ayuda" [=[Uso:
  prueba orden ARCHIVO.txt [--opcion VALOR]

.empieza con punto; y sigue
orden  hace algo [con corchetes]
  --uno A|B  la primera; con punto y coma
             y una segunda línea \con barra
                 literal;  [sin tocar]
Fin.
]=] "${ayuda}")

file(READ "${TEMPORAL}/prueba.1" pagina)
espera("la página" [=[.TH PRUEBA 1 "hoy" "Velistra 9.9" "Pruebas"
.SH NOMBRE
prueba \- una; dos [tres] \ecuatro
.nf
\fBprueba\fR \fBorden\fR \fIARCHIVO.txt\fR [\fB\-\-opcion\fR \fIVALOR\fR]
.fi
.PP
\&.empieza con punto; y sigue
.SS orden
hace algo [con corchetes]
.TP
\fB\-\-uno\fR \fIA\fR|\fIB\fR
la primera; con punto y coma
y una segunda línea \econ barra
.nf
literal;  [sin tocar]
.fi
.PP
Fin.
.BR otra (1)
]=] "${pagina}")

genera("@pagina prueba 1 \"hoy\" \"Pruebas\"\n@negrita texto\n" resultado)
if(NOT resultado MATCHES "^1: .*prueba.manual:2: marca desconocida: @negrita")
  message(FATAL_ERROR "una marca desconocida no se rechaza: ${resultado}")
endif()
genera("@pagina prueba 1 \"hoy\" \"Pruebas\"\n@literal\n  sin cerrar\n" resultado)
if(NOT resultado MATCHES "^1: .*falta @fin")
  message(FATAL_ERROR "un bloque sin @fin no se rechaza: ${resultado}")
endif()
message(STATUS "el generador del manual escribe lo que debe")
