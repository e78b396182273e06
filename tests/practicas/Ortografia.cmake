# Spell-checks every statement and hint of the course with hunspell and Debian's
# dictionaries: Spanish for *.es.md, English for *.en.md, plus the course's own words
# (chip pin names, gate names). Code spans are names, not words, and are left out.
#   cmake -DHUNSPELL=<hunspell> -DCURSO=<practicas> -DSALIDA=<folder> -P Ortografia.cmake
file(GLOB textos "${CURSO}/*/*.md")
list(LENGTH textos cuantos)
if(cuantos EQUAL 0)
  message(FATAL_ERROR "no hay textos en ${CURSO}")
endif()
file(MAKE_DIRECTORY "${SALIDA}")
set(errores "")
foreach(texto IN LISTS textos)
  if(texto MATCHES "\\.en\\.md$")
    set(diccionario en_US)
  else()
    set(diccionario es_ES)
  endif()
  file(READ "${texto}" contenido)
  string(REGEX REPLACE "`[^`]*`" "" contenido "${contenido}")
  set(limpio "${SALIDA}/texto.md")
  file(WRITE "${limpio}" "${contenido}")
  execute_process(
    COMMAND "${HUNSPELL}" -l -i utf-8 -d ${diccionario} -p "${CURSO}/palabras.txt" "${limpio}"
    OUTPUT_VARIABLE desconocidas
    RESULT_VARIABLE resultado)
  if(NOT resultado EQUAL 0)
    message(FATAL_ERROR "hunspell no funciona (${resultado}) con ${diccionario}")
  endif()
  if(NOT desconocidas STREQUAL "")
    string(REPLACE "\n" " " desconocidas "${desconocidas}")
    string(APPEND errores "${texto}: ${desconocidas}\n")
  endif()
endforeach()
if(NOT errores STREQUAL "")
  message(FATAL_ERROR "Palabras que no están en el diccionario (corríjalas o añádalas a "
                      "practicas/palabras.txt):\n${errores}")
endif()
