# Test programs: natively each GoogleTest case is its own CTest test; under Wine a whole program
# runs as one test, since every Wine start costs about a second.
if(UIRESOURCE_RUN_TESTS OR NOT WIN32)
  if(WIN32)
    add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()
include(GoogleTest)

# uiresource_add_test(name SOURCES files... [LIBS libs...])
function(uiresource_add_test name)
  if(WIN32 AND NOT UIRESOURCE_RUN_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE UIResource uiresource_formats GTest::gtest GTest::gtest_main ${T_LIBS})
  if(WIN32)
    target_link_libraries(${name} PRIVATE user32 gdi32)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 900)
    uiresource_take_desktop(${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
  endif()
endfunction()

# Under Wine the tests work one desktop with real input (keys and the pointer are the desktop's,
# not a program's): run two at once and each gets the other's keystrokes. Each Windows test that
# runs a program takes the desktop for itself, whatever ctest's -j says.
function(uiresource_take_desktop)
  if(WIN32)
    set_tests_properties(${ARGN} PROPERTIES RESOURCE_LOCK wine_desktop)
  endif()
endfunction()
