# uiresource_add_transcript_test(name TRANSCRIPT file PROGRAM target [SET NAME=VALUE...])
# Runs the program's command lines written in a golden transcript and compares what it prints with
# the transcript (run_transcript.py); Windows builds run the program under Wine.
function(uiresource_add_transcript_test name)
  if(NOT UIRESOURCE_RUN_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "TRANSCRIPT;PROGRAM" "SET" ${ARGN})
  set(settings)
  foreach(setting ${T_SET})
    list(APPEND settings --set ${setting})
  endforeach()
  add_test(NAME ${name}
    COMMAND ${UIRESOURCE_PYTHON} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/run_transcript.py ${settings} ${T_TRANSCRIPT}
            -- ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${T_PROGRAM}>)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  uiresource_take_desktop(${name})
endfunction()
