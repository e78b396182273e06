# Writes velistra-cli's --help text and the manual pages from one source per language,
# so the two never drift apart:
#   cmake -DFUENTE=es.manual [-DAYUDA=Ayuda.cpp -DFUNCION=AyudaEnEspanol -DPROGRAMA=velistra-cli
#         [-DCABECERA=cli/Ayuda.h -DESPACIO=velistra::consola]]
#         [-DMANUALES=carpeta -DVERSION=0.9.7] -P Genera.cmake
#
# The source is the help text as it prints, line for line, plus marks:
#   @pagina NOMBRE SECCION "fecha" "manual"   starts a page (.TH)
#   @seccion TÍTULO                           a section of the page (.SH), not in the help
#   @manual / @ambos                          what follows goes to the page only / to both
#   @ayuda TEXTO                              one line for the help only
#   @roff TEXTO                               one line of roff for the page only
#   @literal ... @fin                         lines kept as they are (.nf on the page)
#   @sinopsis ... @fin                        the same, with commands in bold and names in italics
#   @# ...                                    a comment
# A "^" ends a term and starts its description: a term at the margin is a subsection of
# the page (.SS), an indented one an item (.TP). Indented lines after an item continue it;
# a blank line ends a paragraph.

cmake_policy(VERSION 3.25)

# List-safe lines: backslashes, ";" and brackets would otherwise split or join list
# elements, so they travel as control characters (by their ASCII codes).
set(kOriginales 92 59 91 93)
set(kMarcas 1 2 3 4)

function(cambia texto salida desde hasta)
  foreach(de a IN ZIP_LISTS ${desde} ${hasta})
    string(ASCII ${de} de)
    string(ASCII ${a} a)
    string(REPLACE "${de}" "${a}" texto "${texto}")
  endforeach()
  set(${salida} "${texto}" PARENT_SCOPE)
endfunction()

function(protege texto salida)
  cambia("${texto}" texto kOriginales kMarcas)
  set(${salida} "${texto}" PARENT_SCOPE)
endfunction()

function(restaura texto salida)
  cambia("${texto}" texto kMarcas kOriginales)
  set(${salida} "${texto}" PARENT_SCOPE)
endfunction()

# Text as roff reads it: a backslash is \e, a hyphen the \- of options, and a line may
# not start with a control character.
function(escapa texto salida)
  string(REPLACE "\\" "\\e" texto "${texto}")
  string(REPLACE "-" "\\-" texto "${texto}")
  if(texto MATCHES "^[.']")
    set(texto "\\&${texto}")
  endif()
  set(${salida} "${texto}" PARENT_SCOPE)
endfunction()

# One word of a term: names to fill in (GUION, ID, SALIDA.txt, ~/...) in italics, the
# rest (commands, options, values) in bold; brackets, bars and trailing punctuation plain.
function(estiliza_palabra palabra salida)
  if(NOT palabra MATCHES "^([[(]*)(.*[^]),.])([]),.]*)$")
    set(${salida} "${palabra}" PARENT_SCOPE)
    return()
  endif()
  set(antes "${CMAKE_MATCH_1}")
  set(nucleo "${CMAKE_MATCH_2}")
  set(despues "${CMAKE_MATCH_3}")
  string(REPLACE "|" ";" partes "${nucleo}")
  set(resultado "")
  set(primera TRUE)
  foreach(parte IN LISTS partes)
    if(NOT primera)
      string(APPEND resultado "|")
    endif()
    set(primera FALSE)
    escapa("${parte}" parte_escapada)
    if(parte STREQUAL "")
    elseif(parte MATCHES "^[A-Z][A-Z0-9_]*(\\.[a-z0-9]+)?$" OR parte MATCHES "^[/~$]")
      string(APPEND resultado "\\fI${parte_escapada}\\fR")
    else()
      string(APPEND resultado "\\fB${parte_escapada}\\fR")
    endif()
  endforeach()
  set(${salida} "${antes}${resultado}${despues}" PARENT_SCOPE)
endfunction()

# A term or a synopsis line, word by word; runs of blanks are kept.
function(estiliza texto salida)
  protege("${texto}" texto)
  string(REGEX MATCHALL "[^ ]+| +" trozos "${texto}")
  set(resultado "")
  foreach(trozo IN LISTS trozos)
    restaura("${trozo}" trozo)
    if(trozo MATCHES "^ ")
      string(APPEND resultado "${trozo}")
    else()
      estiliza_palabra("${trozo}" trozo)
      string(APPEND resultado "${trozo}")
    endif()
  endforeach()
  set(${salida} "${resultado}" PARENT_SCOPE)
endfunction()

# Indented, so that CMake does not wrap the file name and line apart.
function(falla texto)
  message(FATAL_ERROR "La fuente del manual no vale:\n  ${texto}")
endfunction()

file(READ "${FUENTE}" fuente)
protege("${fuente}" fuente)
string(REPLACE "\n" ";" lineas "${fuente}")
# The last newline leaves one empty element behind.
list(POP_BACK lineas)

set(paginas "")
set(ayuda "")
set(pagina "")
set(destino ambos)
set(bloque "")
set(en_item FALSE)
set(parrafo_pendiente FALSE)
set(numero 0)

# Functions, not macros: a macro would read the backslashes of roff a second time.
function(al_manual texto)
  set(manual_${pagina} "${manual_${pagina}}${texto}\n" PARENT_SCOPE)
endfunction()

# The help is PROGRAMA's page but for what goes to the page only; an @ayuda line (a
# second argument) goes to the help whatever the destination.
function(a_la_ayuda texto)
  if(pagina STREQUAL PROGRAMA AND (ARGC GREATER 1 OR NOT destino STREQUAL "manual"))
    set(ayuda "${ayuda}${texto}\n" PARENT_SCOPE)
  endif()
endfunction()

macro(abre_parrafo_pendiente)
  if(parrafo_pendiente)
    al_manual(".PP")
    set(parrafo_pendiente FALSE)
  endif()
endmacro()

# A literal or synopsis block on the page: its common indentation removed, lines kept.
macro(cierra_bloque)
  set(sangria 1000)
  foreach(l IN LISTS bloque_lineas)
    restaura("${l}" l)
    if(l MATCHES "^( *)[^ ]")
      string(LENGTH "${CMAKE_MATCH_1}" n)
      if(n LESS sangria)
        set(sangria ${n})
      endif()
    endif()
  endforeach()
  abre_parrafo_pendiente()
  al_manual(".nf")
  foreach(l IN LISTS bloque_lineas)
    restaura("${l}" l)
    string(LENGTH "${l}" largo)
    if(largo GREATER sangria)
      string(SUBSTRING "${l}" ${sangria} -1 l)
    else()
      set(l "")
    endif()
    if(bloque STREQUAL "sinopsis")
      estiliza("${l}" l)
    else()
      escapa("${l}" l)
    endif()
    al_manual("${l}")
  endforeach()
  al_manual(".fi")
  set(bloque "")
endmacro()

foreach(cruda IN LISTS lineas)
  math(EXPR numero "${numero} + 1")
  restaura("${cruda}" linea)

  if(bloque)
    if(linea STREQUAL "@fin")
      cierra_bloque()
    else()
      a_la_ayuda("${linea}")
      list(APPEND bloque_lineas "${cruda}")
    endif()
    continue()
  endif()

  if(linea MATCHES "^@#")
  elseif(linea MATCHES "^@pagina ([^ ]+) ([0-9]) (\"[^\"]*\") (\"[^\"]*\")$")
    set(pagina "${CMAKE_MATCH_1}")
    list(APPEND paginas "${pagina}")
    set(destino ambos)
    set(en_item FALSE)
    set(parrafo_pendiente FALSE)
    string(TOUPPER "${pagina}" titulo)
    escapa("${titulo}" titulo)
    set(seccion_${pagina} ${CMAKE_MATCH_2})
    set(manual_${pagina} ".TH ${titulo} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3} \"Velistra ${VERSION}\" ${CMAKE_MATCH_4}\n")
  elseif(pagina STREQUAL "")
    falla("${FUENTE}:${numero}: falta @pagina antes del texto")
  elseif(linea MATCHES "^@(seccion|roff) (.+)$")
    # A heading or a line of roff ends any item or paragraph.
    if(CMAKE_MATCH_1 STREQUAL "seccion")
      al_manual(".SH ${CMAKE_MATCH_2}")
    else()
      al_manual("${CMAKE_MATCH_2}")
    endif()
    set(en_item FALSE)
    set(parrafo_pendiente FALSE)
  elseif(linea STREQUAL "@manual" OR linea STREQUAL "@ambos")
    string(SUBSTRING "${linea}" 1 -1 destino)
  elseif(linea MATCHES "^@ayuda (.+)$")
    a_la_ayuda("${CMAKE_MATCH_1}" siempre)
  elseif(linea STREQUAL "@literal" OR linea STREQUAL "@sinopsis")
    string(SUBSTRING "${linea}" 1 -1 bloque)
    set(bloque_lineas "")
  elseif(linea MATCHES "^@")
    falla("${FUENTE}:${numero}: marca desconocida: ${linea}")
  elseif(linea MATCHES "^( *)([^^]*)\\^(.*)$")
    set(sangria "${CMAKE_MATCH_1}")
    string(STRIP "${CMAKE_MATCH_2}" termino)
    string(STRIP "${CMAKE_MATCH_3}" descripcion)
    string(REPLACE "^" "" sin_marca "${linea}")
    a_la_ayuda("${sin_marca}")
    set(parrafo_pendiente FALSE)
    if(sangria STREQUAL "")
      escapa("${termino}" termino)
      al_manual(".SS ${termino}")
      set(en_item FALSE)
    else()
      estiliza("${termino}" termino)
      al_manual(".TP")
      al_manual("${termino}")
      set(en_item TRUE)
    endif()
    if(NOT descripcion STREQUAL "")
      escapa("${descripcion}" descripcion)
      al_manual("${descripcion}")
    endif()
  elseif(linea STREQUAL "")
    a_la_ayuda("")
    set(parrafo_pendiente TRUE)
    set(en_item FALSE)
  else()
    a_la_ayuda("${linea}")
    if(en_item AND NOT linea MATCHES "^ ")
      set(parrafo_pendiente TRUE)
      set(en_item FALSE)
    endif()
    abre_parrafo_pendiente()
    string(STRIP "${linea}" texto)
    escapa("${texto}" texto)
    al_manual("${texto}")
  endif()
endforeach()
if(bloque)
  falla("${FUENTE}: falta @fin")
endif()

if(DEFINED MANUALES)
  foreach(p IN LISTS paginas)
    file(WRITE "${MANUALES}/${p}.${seccion_${p}}" "${manual_${p}}")
  endforeach()
endif()

if(DEFINED AYUDA)
  if(ayuda STREQUAL "")
    falla("${FUENTE}: no hay ayuda de ${PROGRAMA}")
  endif()
  if(ayuda MATCHES "\\)ayuda\"")
    falla("${FUENTE}: la ayuda no puede llevar «)ayuda\"»")
  endif()
  get_filename_component(nombre_de_la_fuente "${FUENTE}" NAME)
  if(NOT DEFINED CABECERA)
    set(CABECERA cli/Ayuda.h)
  endif()
  if(NOT DEFINED ESPACIO)
    set(ESPACIO velistra::consola)
  endif()
  file(WRITE "${AYUDA}" "// Written from manual/${nombre_de_la_fuente} at build time; edit that file.
#include \"${CABECERA}\"

namespace ${ESPACIO} {

const char* ${FUNCION}() {
    return R\"ayuda(${ayuda})ayuda\";
}

}  // namespace ${ESPACIO}
")
endif()
