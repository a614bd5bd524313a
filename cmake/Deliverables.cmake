# qz_add_model_library(<name> WIDTHS <32|64>... SOURCES <src>... LINK <lib>...
#                      EXPORT_MAP <linker version script>)
#
# Adds one deliverable: a shared library named <name> plus the build's suffix
# ("_x64" for 64-bit), without a "lib" prefix, written to dist/<platform>/.
# It needs only the C library and libm at run time: the C++ runtime is linked
# in statically and its symbols are kept out of the dynamic symbol table.
# Symbols are hidden by default; EXPORT_MAP (a file under cmake/) lists what
# the library publishes, which also keeps out the instantiations of standard
# library templates that would otherwise be exported.
# LINK names every object library whose code goes in: objects of an object
# library reach only the targets that link it directly.

# Only the two release builds (64- and 32-bit) fill dist/; the others keep
# their libraries to themselves.
if(QZ_SANITIZE OR NOT QZ_BUILD_TESTS)
  set(default_dist "${CMAKE_BINARY_DIR}/dist")
else()
  set(default_dist "${CMAKE_SOURCE_DIR}/dist/${QZ_PLATFORM}")
endif()
set(QZ_DIST_DIR "${default_dist}" CACHE PATH "Where this build writes its deliverables")

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QZ_WIDTH 64)
else()
  set(QZ_WIDTH 32)
endif()

function(qz_add_model_library name)
  cmake_parse_arguments(ARG "" "EXPORT_MAP" "WIDTHS;SOURCES;LINK" ${ARGN})
  if(NOT QZ_WIDTH IN_LIST ARG_WIDTHS)
    return()
  endif()
  set(target "${name}${QZ_LIBRARY_SUFFIX}")
  add_library(${target} SHARED ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LINK})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY "${QZ_DIST_DIR}")
  if(NOT QZ_SANITIZE)
    target_link_options(${target} PRIVATE
      -static-libstdc++ -static-libgcc -Wl,--exclude-libs,ALL -Wl,-z,defs)
  endif()
  set(map "${CMAKE_SOURCE_DIR}/cmake/${ARG_EXPORT_MAP}")
  target_link_options(${target} PRIVATE "-Wl,--version-script=${map}")
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS "${map}")
  set_property(TARGET ${target} PROPERTY QZ_EXPORT_MAP ${ARG_EXPORT_MAP})
  set_property(GLOBAL APPEND PROPERTY QZ_DELIVERABLES ${target})
endfunction()

# The target name of deliverable <name> in this build, or "" when this build
# does not make it.
function(qz_deliverable_target name out)
  set(target "${name}${QZ_LIBRARY_SUFFIX}")
  if(TARGET ${target})
    set(${out} ${target} PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

# `cmake --build <dir> --target deliverables` builds every library of dist/.
add_custom_target(deliverables)
function(qz_register_deliverables)
  get_property(targets GLOBAL PROPERTY QZ_DELIVERABLES)
  if(targets)
    add_dependencies(deliverables ${targets})
  endif()
endfunction()
