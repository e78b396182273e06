# The core must never include Qt: scan its folders, the layers of Capas.cmake below the
# programs, for Qt headers; the browser's shell has none either.
include(${CMAKE_CURRENT_LIST_DIR}/Capas.cmake)
foreach(carpeta ${carpetas_del_nucleo} web)
  file(GLOB_RECURSE fuentes "${RAIZ}/${carpeta}/*.h" "${RAIZ}/${carpeta}/*.cpp")
  foreach(fuente ${fuentes})
    file(STRINGS "${fuente}" lineas REGEX "#include[ \t]*[<\"]Q")
    if(lineas)
      file(RELATIVE_PATH relativa "${RAIZ}" "${fuente}")
      message(FATAL_ERROR "El núcleo incluye Qt:\n  ${relativa}: ${lineas}")
    endif()
  endforeach()
endforeach()
