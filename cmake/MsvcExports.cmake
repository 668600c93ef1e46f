# Hosts built with MSVC link UIResource.dll too: they import every entry of the interface under its
# MSVC decoration. The DLL exports each also under that name, as an alias of the MinGW entry (or,
# for a constructor, of a shim that returns `this` as MSVC's do), and UIResource.lib is their
# MSVC-format import library.
#
# The names are derived, not kept by hand: module/export_probe.cpp uses every entry as a host
# does and is compiled for both C++ ABIs (MinGW's by the build's compiler, MSVC's by clang with
# a stand-in <windows.h>); cmake/msvc_exports.py pairs the two sets of imported names by the
# declarations they demangle to and writes the .def files. A signature changed in the header
# changes both names, and anything left unpaired fails the build.
set(_tools_hint "install Debian's clang, llvm and lld, or configure with -DUIRESOURCE_MSVC_NAMES=OFF")
option(UIRESOURCE_MSVC_NAMES "Export the interface under MSVC's names too and build UIResource.lib" ON)
if(NOT UIRESOURCE_MSVC_NAMES)
  return()
endif()
find_program(UIRESOURCE_CLANGXX NAMES clang++ clang++-14 REQUIRED)
foreach(tool nm cxxfilt undname dlltool)
  string(TOUPPER ${tool} var)
  find_program(UIRESOURCE_LLVM_${var} NAMES llvm-${tool} llvm-${tool}-14)
  if(NOT UIRESOURCE_LLVM_${var})
    message(FATAL_ERROR "llvm-${tool} not found: ${_tools_hint}")
  endif()
endforeach()

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(msvc_arch x86_64)
  set(dlltool_machine i386:x86-64)
else()
  set(msvc_arch i686)
  set(dlltool_machine i386)
endif()

set(probe_source ${PROJECT_SOURCE_DIR}/module/export_probe.cpp)
set(public_headers
  ${PROJECT_SOURCE_DIR}/include/UIResource/UIResource.h
  ${PROJECT_SOURCE_DIR}/include/UIResource/UIResourcePlatform.h
  ${PROJECT_BINARY_DIR}/include/UIResource/UIResourceVersion.h)

# The MinGW side: compiled like any host of this build, so with dllimport, not as the library.
add_library(uiresource_export_probe OBJECT ${probe_source})
target_link_libraries(uiresource_export_probe PRIVATE uiresource_headers)

set(msvc_probe ${CMAKE_CURRENT_BINARY_DIR}/export_probe_msvc.obj)
add_custom_command(OUTPUT ${msvc_probe}
  COMMAND ${UIRESOURCE_CLANGXX} --target=${msvc_arch}-pc-windows-msvc -std=c++17
          -I ${PROJECT_SOURCE_DIR}/cmake/msvc-abi -I ${PROJECT_SOURCE_DIR}/include
          -I ${PROJECT_BINARY_DIR}/include -c ${probe_source} -o ${msvc_probe}
  DEPENDS ${probe_source} ${public_headers} ${PROJECT_SOURCE_DIR}/cmake/msvc-abi/windows.h
  COMMENT "Compiling the export probe for the MSVC ABI"
  VERBATIM)

set(UIRESOURCE_DLL_DEF ${PROJECT_BINARY_DIR}/UIResource-aliases.def CACHE INTERNAL "")
set(lib_def ${PROJECT_BINARY_DIR}/UIResource-msvc.def)
# The whole export table the DLL must have, both ABIs' names, for the export check of the tests.
set(UIRESOURCE_DLL_EXPORTS ${PROJECT_BINARY_DIR}/UIResource-exports.txt CACHE INTERNAL "")
set(UIRESOURCE_MSVC_IMPLIB ${PROJECT_BINARY_DIR}/lib/UIResource.lib CACHE INTERNAL "")
add_custom_command(OUTPUT ${UIRESOURCE_DLL_DEF} ${lib_def} ${UIRESOURCE_DLL_EXPORTS}
  COMMAND ${UIRESOURCE_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/msvc_exports.py --arch ${msvc_arch}
          --msvc-object ${msvc_probe} --mingw-object $<TARGET_OBJECTS:uiresource_export_probe>
          --nm ${UIRESOURCE_LLVM_NM} --cxxfilt ${UIRESOURCE_LLVM_CXXFILT} --undname ${UIRESOURCE_LLVM_UNDNAME}
          --dll-def ${UIRESOURCE_DLL_DEF} --lib-def ${lib_def} --exports ${UIRESOURCE_DLL_EXPORTS}
  DEPENDS ${msvc_probe} uiresource_export_probe $<TARGET_OBJECTS:uiresource_export_probe>
          ${PROJECT_SOURCE_DIR}/cmake/msvc_exports.py
  COMMENT "Pairing the MSVC and MinGW names of the interface"
  VERBATIM)
add_custom_command(OUTPUT ${UIRESOURCE_MSVC_IMPLIB}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/lib
  COMMAND ${UIRESOURCE_LLVM_DLLTOOL} -m ${dlltool_machine} -d ${lib_def} -l ${UIRESOURCE_MSVC_IMPLIB}
  DEPENDS ${lib_def}
  COMMENT "Writing the MSVC import library UIResource.lib"
  VERBATIM)
add_custom_target(uiresource_msvc_names
  DEPENDS ${UIRESOURCE_DLL_DEF} ${UIRESOURCE_MSVC_IMPLIB} ${UIRESOURCE_DLL_EXPORTS})

target_sources(UIResource PRIVATE ${PROJECT_SOURCE_DIR}/module/msvc_constructors.cpp)
add_dependencies(UIResource uiresource_msvc_names)
target_link_options(UIResource PRIVATE ${UIRESOURCE_DLL_DEF})
set_property(TARGET UIResource APPEND PROPERTY LINK_DEPENDS ${UIRESOURCE_DLL_DEF})
