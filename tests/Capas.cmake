# Every production folder may include only itself and folders of lower layers; folders
# of one layer do not include each other. The order is written here and nowhere else:
# lowest first, folders of one layer joined by commas.
#   cmake -DRAIZ=<tree> -P Capas.cmake
# The last layer holds the programs; every layer below it is the core, which
# NucleoSinQt.cmake reads from here.
set(capas plataforma chips modelo tableros,cables simulacion persistencia,docencia sesion cli,ui,web)

set(carpetas_del_nucleo "")
set(capas_del_nucleo ${capas})
list(POP_BACK capas_del_nucleo)
foreach(capa IN LISTS capas_del_nucleo)
  string(REPLACE "," ";" miembros "${capa}")
  list(APPEND carpetas_del_nucleo ${miembros})
endforeach()

# Included by another check, this file only gives the order.
if(NOT CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  return()
endif()

set(nivel 0)
set(todas "")
foreach(capa IN LISTS capas)
  string(REPLACE "," ";" miembros "${capa}")
  foreach(carpeta IN LISTS miembros)
    set(nivel_${carpeta} ${nivel})
    list(APPEND todas ${carpeta})
  endforeach()
  math(EXPR nivel "${nivel} + 1")
endforeach()

set(fallos "")
foreach(carpeta IN LISTS todas)
  file(GLOB_RECURSE fuentes "${RAIZ}/${carpeta}/*.h" "${RAIZ}/${carpeta}/*.cpp")
  foreach(fuente IN LISTS fuentes)
    file(STRINGS "${fuente}" lineas REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(linea IN LISTS lineas)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/.*" "\\1" destino "${linea}")
      if(destino STREQUAL carpeta OR NOT DEFINED nivel_${destino})
        continue()
      endif()
      if(NOT nivel_${destino} LESS nivel_${carpeta})
        file(RELATIVE_PATH relativa "${RAIZ}" "${fuente}")
        list(APPEND fallos "${relativa}: ${linea} (${carpeta} no puede incluir ${destino})")
      endif()
    endforeach()
  endforeach()
endforeach()

if(fallos)
  list(JOIN fallos "\n" texto)
  message(FATAL_ERROR "Inclusiones contra el orden de capas:\n${texto}")
endif()
