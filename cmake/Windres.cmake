# Compiles the resource script with windres into a .res file; both the Windows DLL and the Linux
# library embed the bytes of that one file.
if(WIN32)
  set(_windres_default ${CMAKE_RC_COMPILER})
else()
  set(_windres_default x86_64-w64-mingw32-windres)
endif()
find_program(UIRESOURCE_WINDRES NAMES ${_windres_default} x86_64-w64-mingw32-windres REQUIRED)
find_program(UIRESOURCE_PYTHON NAMES python3 REQUIRED)

# uiresource_compile_res(OUTPUT res SCRIPT rc INCLUDES dirs... DEPENDS files...)
function(uiresource_compile_res)
  cmake_parse_arguments(R "" "OUTPUT;SCRIPT" "INCLUDES;DEPENDS" ${ARGN})
  set(include_flags)
  foreach(dir ${R_INCLUDES})
    list(APPEND include_flags -I ${dir})
  endforeach()
  add_custom_command(
    OUTPUT ${R_OUTPUT}
    COMMAND ${UIRESOURCE_WINDRES} ${include_flags} -O res -o ${R_OUTPUT} ${R_SCRIPT}
    DEPENDS ${R_SCRIPT} ${R_DEPENDS}
    COMMENT "Compiling ${R_SCRIPT} with windres"
    VERBATIM)
endfunction()

# Turns a .res file into an object the MinGW linker takes, keeping its bytes.
function(uiresource_res_to_object res object)
  add_custom_command(
    OUTPUT ${object}
    COMMAND ${CMAKE_RC_COMPILER} -J res -O coff -i ${res} -o ${object}
    DEPENDS ${res}
    VERBATIM)
endfunction()
