# Spell-checks every statement and hint of the course with hunspell and Debian's
# dictionaries: Spanish for *.es.md, English for *.en.md, plus the course's own words
# (chip pin names, gate names). Code spans are names, not words, and are left out.
# One hunspell run per language: loading a dictionary is most of the time.
#   cmake -DHUNSPELL=<hunspell> -DCURSO=<practicas> -DSALIDA=<folder> -P Ortografia.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB textos "${CURSO}/*/*.md")
list(LENGTH textos cuantos)
if(cuantos EQUAL 0)
  message(FATAL_ERROR "no hay textos en ${CURSO}")
endif()
file(MAKE_DIRECTORY "${SALIDA}")
foreach(idioma es en)
  set(juntos_${idioma} "")
endforeach()
foreach(texto IN LISTS textos)
  set(idioma es)
  if(texto MATCHES "\\.en\\.md$")
    set(idioma en)
  endif()
  file(READ "${texto}" contenido)
  string(REGEX REPLACE "`[^`]*`" "" contenido "${contenido}")
  set(limpio_${texto} "${contenido}")
  list(APPEND textos_${idioma} "${texto}")
  string(APPEND juntos_${idioma} "${contenido}\n")
endforeach()

set(errores "")
set(idiomas es en)
set(diccionarios es_ES en_US)
foreach(idioma diccionario IN ZIP_LISTS idiomas diccionarios)
  file(WRITE "${SALIDA}/${idioma}.md" "${juntos_${idioma}}")
  execute_process(
    COMMAND "${HUNSPELL}" -l -i utf-8 -d ${diccionario} -p "${CURSO}/palabras.txt"
            "${SALIDA}/${idioma}.md"
    OUTPUT_VARIABLE desconocidas
    RESULT_VARIABLE resultado)
  if(NOT resultado EQUAL 0)
    message(FATAL_ERROR "hunspell no funciona (${resultado}) con ${diccionario}")
  endif()
  string(REPLACE "\n" ";" desconocidas "${desconocidas}")
  list(REMOVE_DUPLICATES desconocidas)
  foreach(palabra IN LISTS desconocidas)
    if(palabra STREQUAL "")
      continue()
    endif()
    # Which texts hold it, so the author knows where to look.
    foreach(texto IN LISTS textos_${idioma})
      string(FIND "${limpio_${texto}}" "${palabra}" donde)
      if(NOT donde EQUAL -1)
        string(APPEND errores "${texto}: ${palabra}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(NOT errores STREQUAL "")
  message(FATAL_ERROR "Palabras que no están en el diccionario (corríjalas o añádalas a "
                      "practicas/palabras.txt):\n${errores}")
endif()
