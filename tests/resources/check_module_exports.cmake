# Checks the export table of UIResource.dll for the module family with the signatures hosts link
# against (GCC's C++ names; the same on i686 and x86_64, since none of them is stdcall), and that
# the entry DllMain is not exported.
# Usage: cmake -DOBJDUMP=<objdump> -DDLL=<UIResource.dll> -P check_module_exports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(status)
  message(FATAL_ERROR "${OBJDUMP} -p ${DLL} failed")
endif()
string(FIND "${dump}" "[Ordinal/Name Pointer] Table" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${DLL} has no export table")
endif()
string(SUBSTRING "${dump}" ${start} -1 table)

set(expected_exports
  "_Z24getUIResourceAppInstancev"    # HINSTANCE getUIResourceAppInstance()
  "_Z24getResourceStringFromIntt"    # char* getResourceStringFromInt(unsigned short)
  "_Z15getResourceDataPKcS0_PPc"     # long getResourceData(const char*, const char*, char**)
  "_Z12fnUIResourcev"                # int fnUIResource()
  "nUIResource"                      # int nUIResource
  "_ZN11CUIResourceC1Ev"             # CUIResource::CUIResource()
  "_ZN11CUIResourceaSERKS_"          # CUIResource& CUIResource::operator=(const CUIResource&)
  "_ZN2UIaSERKS_")                   # UI& UI::operator=(const UI&)
set(missing "")
foreach(name ${expected_exports})
  string(FIND "${table}" "] ${name}\n" found)
  if(found EQUAL -1)
    list(APPEND missing ${name})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "${DLL} does not export: ${missing}\n${table}")
endif()
if(table MATCHES "DllMain")
  message(FATAL_ERROR "${DLL} exports its entry DllMain")
endif()
message(STATUS "${DLL}: the module family is exported as expected")
