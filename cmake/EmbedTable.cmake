# Turns a response table (CSV) into C++ source at build time, so that the
# libraries carry the data file's numbers and a changed file rebuilds them.
#
# qz_embed_table(<target> CSV <file> HEADER <header> ARRAY <name> SHAPE <n>...
#                [TIME_AXIS <name> STEP <m>e<exponent>])
#
# Adds to <target> a source that includes <header> and defines
# `const double <name>[n1][n2]...` (namespace QuorvelZenth) from the CSV: the
# last extent is the number of values per line, the others multiply to the
# number of lines; '#' lines are comments. The numbers are copied verbatim, so
# the compiler rounds each of them once, the same on every target. The build
# fails when the file has another shape or anything that is not a number.
# TIME_AXIS also defines `const double <name>[<last extent>]` = k x STEP, each
# written as a decimal literal (e.g. 24e-12) for the same reason.
# The CSV path is appended to the target property QZ_EMBEDDED_CSV.
#
# The build runs this file with -P and CSV, OUTPUT, HEADER, ARRAY, SHAPE
# (comma-separated), TIME_AXIS and STEP defined to write the source.

function(qz_embed_table target)
  cmake_parse_arguments(ARG "" "CSV;HEADER;ARRAY;TIME_AXIS;STEP" "SHAPE" ${ARGN})
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${ARG_ARRAY}.cpp")
  string(REPLACE ";" "," shape "${ARG_SHAPE}")
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DCSV=${ARG_CSV} -DOUTPUT=${output} -DHEADER=${ARG_HEADER}
            -DARRAY=${ARG_ARRAY} -DSHAPE=${shape} -DTIME_AXIS=${ARG_TIME_AXIS}
            -DSTEP=${ARG_STEP} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    DEPENDS ${ARG_CSV} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    COMMENT "Embedding ${ARG_ARRAY} from ${ARG_CSV}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
  set_property(TARGET ${target} APPEND PROPERTY QZ_EMBEDDED_CSV ${ARG_CSV})
endfunction()

if(NOT CMAKE_SCRIPT_MODE_FILE)
  return()
endif()
cmake_policy(VERSION 3.25)

function(qz_table_error message)
  message(FATAL_ERROR "${CSV}: ${message}")
endfunction()

string(REPLACE "," ";" shape "${SHAPE}")
list(POP_BACK shape columns)
set(rows 1)
foreach(extent ${shape})
  math(EXPR rows "${rows} * ${extent}")
endforeach()
set(number "^[-+]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][-+]?[0-9]+)?$")

file(READ "${CSV}" text)
string(REPLACE "\r" "" text "${text}")
# Characters that split, group or escape CMake list items are replaced by
# names: comments may hold them, and the number check rejects them elsewhere.
string(REPLACE ";" "<semicolon>" text "${text}")
string(REPLACE "[" "<bracket>" text "${text}")
string(REPLACE "]" "<bracket>" text "${text}")
string(REPLACE "\\" "<backslash>" text "${text}")
string(REPLACE "\n" ";" lines "${text}")
set(values "")
set(line_number 0)
set(row_count 0)
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  if(line MATCHES "^#")
    continue()
  endif()
  if(line STREQUAL "")
    # Only the end of the file may be blank.
    set(blank_line ${line_number})
    continue()
  endif()
  if(blank_line)
    qz_table_error("line ${blank_line} is blank")
  endif()
  string(REPLACE "," ";" fields "${line}")
  list(LENGTH fields count)
  if(NOT count EQUAL columns)
    qz_table_error("line ${line_number} has ${count} values instead of ${columns}")
  endif()
  set(literals "")
  foreach(field IN LISTS fields)
    string(STRIP "${field}" field)
    if(NOT field MATCHES "${number}")
      qz_table_error("line ${line_number}: '${field}' is not a number")
    endif()
    # A whole number gets a decimal point so that it is a double literal.
    if(NOT field MATCHES "[.eE]")
      string(APPEND field ".0")
    endif()
    list(APPEND literals "${field}")
  endforeach()
  list(JOIN literals ", " literals)
  list(APPEND values "{${literals}}")
  math(EXPR row_count "${row_count} + 1")
endforeach()
if(NOT row_count EQUAL rows)
  qz_table_error("has ${row_count} rows instead of ${rows}")
endif()

# Nest the rows in braces by the inner extents, innermost first.
set(dimensions "[${columns}]")
list(POP_FRONT shape outer)
list(REVERSE shape)
foreach(extent ${shape})
  set(groups "")
  set(group "")
  foreach(value IN LISTS values)
    list(APPEND group "${value}")
    list(LENGTH group size)
    if(size EQUAL extent)
      list(JOIN group ",\n" group)
      list(APPEND groups "{${group}}")
      set(group "")
    endif()
  endforeach()
  set(values "${groups}")
  string(PREPEND dimensions "[${extent}]")
endforeach()
string(PREPEND dimensions "[${outer}]")
list(JOIN values ",\n" body)

get_filename_component(csv_name "${CSV}" NAME)
set(source "// Generated from ${csv_name} at build time; change the data file, not this one.\n")
string(APPEND source "#include \"${HEADER}\"\n\nnamespace QuorvelZenth {\n\n")
if(TIME_AXIS)
  if(NOT STEP MATCHES "^([0-9]+)e(-?[0-9]+)$")
    message(FATAL_ERROR "STEP '${STEP}' is not <whole number>e<exponent>")
  endif()
  set(step_mantissa ${CMAKE_MATCH_1})
  set(step_exponent ${CMAKE_MATCH_2})
  set(stamps "")
  math(EXPR last "${columns} - 1")
  foreach(k RANGE ${last})
    math(EXPR mantissa "${k} * ${step_mantissa}")
    list(APPEND stamps "${mantissa}e${step_exponent}")
  endforeach()
  list(JOIN stamps ", " stamps)
  string(APPEND source "const double ${TIME_AXIS}[${columns}] = {${stamps}};\n\n")
endif()
string(APPEND source "const double ${ARRAY}${dimensions} = {\n${body}};\n\n}  // namespace QuorvelZenth\n")
file(WRITE "${OUTPUT}" "${source}")
