# What tells board kinds apart lives with the boards: outside tableros/ no production
# file names a type code, compares a board's type with a number, switches on it or casts
# to a board class; it asks the board (a virtual of Tablero) or its kind's description.
#   cmake -DRAIZ=<tree> -P TiposDeTablero.cmake
include(${CMAKE_CURRENT_LIST_DIR}/Capas.cmake)

set(carpetas "")
foreach(capa IN LISTS capas)
  string(REPLACE "," ";" miembros "${capa}")
  list(APPEND carpetas ${miembros})
endforeach()
list(REMOVE_ITEM carpetas tableros)

set(patrones
  "Tablero::k[A-Z]"
  "_cast<[ \t]*(const[ \t]+)?([A-Za-z]+::)*(Tablero[A-Za-z]+|Protoboard)[ \t]*[*&>]"
  "Tipo\\(\\)[ \t]*[=!]=[ \t]*[0-9]"
  "switch[ \t]*\\([^)]*Tipo\\(\\)")

# Lines may hold semicolons, so the findings are one text, not a CMake list.
set(fallos "")
foreach(carpeta IN LISTS carpetas)
  file(GLOB_RECURSE fuentes "${RAIZ}/${carpeta}/*.h" "${RAIZ}/${carpeta}/*.cpp")
  foreach(fuente IN LISTS fuentes)
    foreach(patron IN LISTS patrones)
      file(STRINGS "${fuente}" lineas REGEX "${patron}")
      if(lineas)
        file(RELATIVE_PATH relativa "${RAIZ}" "${fuente}")
        string(APPEND fallos "\n${relativa}: ${lineas}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(fallos)
  message(FATAL_ERROR "Tipos de tablero fuera de tableros/:${fallos}")
endif()
