# cmake -DLIBRARY=<file> -DEXPECTED_EXPORTS=<file> -P CheckLibrary.cmake
#
# Fails unless the library needs nothing at run time but the C library (with
# its dynamic loader) and libm, and its dynamic symbol table matches the expectation file:
#   "= <name>"   a symbol that must be exported (demangled, exact);
#   "~ <regex>"  a pattern that exported symbols may match.
# Every exported symbol must be required or match a pattern.
cmake_policy(VERSION 3.25)
foreach(tool readelf nm)
  find_program(${tool}_PROGRAM ${tool} REQUIRED)
endforeach()

execute_process(COMMAND ${readelf_PROGRAM} -d ${LIBRARY}
  OUTPUT_VARIABLE dynamic RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "readelf failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "Shared library: \\[[^]]+\\]" needed "${dynamic}")
foreach(entry ${needed})
  string(REGEX REPLACE "Shared library: \\[([^]]+)\\]" "\\1" name "${entry}")
  if(NOT name MATCHES "^(libc\\.so\\.6|libm\\.so\\.6|ld-linux(-x86-64)?\\.so\\.2)$")
    message(SEND_ERROR "${LIBRARY} needs ${name} at run time")
  endif()
endforeach()

execute_process(COMMAND ${nm_PROGRAM} -D --defined-only -C ${LIBRARY}
  OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()

file(STRINGS ${EXPECTED_EXPORTS} expectations)
set(required)
set(patterns)
foreach(line ${expectations})
  if(line MATCHES "^= (.+)$")
    list(APPEND required "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^~ (.+)$")
    list(APPEND patterns "${CMAKE_MATCH_1}")
  endif()
endforeach()

string(REPLACE ";" "\\;" symbols "${symbols}")
string(REPLACE "\n" ";" lines "${symbols}")
set(exported)
foreach(line ${lines})
  if(line MATCHES "^[0-9a-f]+ [A-Za-z] (.+)$")
    set(name "${CMAKE_MATCH_1}")
    list(APPEND exported "${name}")
    if(name IN_LIST required)
      continue()
    endif()
    set(allowed FALSE)
    foreach(pattern ${patterns})
      if(name MATCHES "${pattern}")
        set(allowed TRUE)
        break()
      endif()
    endforeach()
    if(NOT allowed)
      message(SEND_ERROR "${LIBRARY} exports ${name}")
    endif()
  endif()
endforeach()
foreach(name ${required})
  if(NOT name IN_LIST exported)
    message(SEND_ERROR "${LIBRARY} does not export ${name}")
  endif()
endforeach()
