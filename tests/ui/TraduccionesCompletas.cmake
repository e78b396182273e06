# The English catalogue is complete and up to date: lupdate over today's sources, run on
# a copy, finds no text without English and changes nothing in it.
# -DPROYECTO=.lupdate/velistra_ui_project.cmake -DGENERADOR=GenerateLUpdateProject.cmake
# -DLUPDATE=lupdate -DTS=velistra_en.ts -DTEMPORAL=folder
file(MAKE_DIRECTORY "${TEMPORAL}")
set(json "${TEMPORAL}/proyecto.json")
set(copia "${TEMPORAL}/velistra_en.ts")
# The program's project, with the copy as its only catalogue: the real one stays untouched.
include("${PROYECTO}")
set(proyecto "${TEMPORAL}/proyecto.cmake")
file(WRITE "${proyecto}" "set(lupdate_project_file \"${lupdate_project_file}\")
set(lupdate_include_paths \"${lupdate_include_paths}\")
set(lupdate_sources \"${lupdate_sources}\")
set(lupdate_translations \"${copia}\")
")
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${proyecto} -DOUT_FILE=${json} -P ${GENERADOR}
                RESULT_VARIABLE r)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "no se pudo preparar el proyecto de lupdate")
endif()
file(COPY_FILE "${TS}" "${copia}")
execute_process(COMMAND ${LUPDATE} -project ${json} -locations none -no-obsolete -source-language es
                RESULT_VARIABLE r OUTPUT_QUIET ERROR_QUIET)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "lupdate falló")
endif()
file(READ "${copia}" nuevo)
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"unfinished\"" sin_ingles "${nuevo}")
if(sin_ingles)
  string(REGEX REPLACE "<translation type=\"unfinished\"" "" sin_ingles "${sin_ingles}")
  message(FATAL_ERROR "textos sin inglés en ${TS} (cmake --build . --target actualiza_traducciones "
                      "y complete sus <translation>): ${sin_ingles}")
endif()
file(READ "${TS}" guardado)
if(NOT nuevo STREQUAL guardado)
  message(FATAL_ERROR "${TS} no está al día con las fuentes: cmake --build . --target actualiza_traducciones")
endif()
