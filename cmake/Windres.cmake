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

# Links the compiled resources `res` (the output of uiresource_compile_res, made by target
# `res_target`) into program `target`, for harness/program_resources.h: as the executable's own
# resources on Windows, as an embedded image on Linux.
function(uiresource_link_resources target res res_target)
  if(WIN32)
    set(object ${CMAKE_CURRENT_BINARY_DIR}/${target}_res.o)
    uiresource_res_to_object(${res} ${object})
    target_sources(${target} PRIVATE ${object})
  else()
    set(embedded ${CMAKE_CURRENT_BINARY_DIR}/${target}_res.S)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/program_resources.S.in ${embedded} @ONLY)
    set_source_files_properties(${embedded} PROPERTIES OBJECT_DEPENDS ${res})
    target_sources(${target} PRIVATE ${embedded})
  endif()
  add_dependencies(${target} ${res_target})
endfunction()
