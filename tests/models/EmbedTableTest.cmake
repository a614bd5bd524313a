# Cases of the CSV-to-source step of the build: each writes a CSV, runs
# cmake/EmbedTable.cmake on it as the build does (a 2 x 2 x 3 table) and
# checks that it fails with the expected complaint, or writes the source.
cmake_policy(VERSION 3.25)
set(work "${WORK_DIR}")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")

function(embed_case name content expected)
  file(WRITE "${work}/${name}.csv" "${content}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DCSV=${work}/${name}.csv -DOUTPUT=${work}/${name}.cpp
            -DHEADER=Table.h -DARRAY=Table -DSHAPE=2,2,3 -DTIME_AXIS=Stamps -DSTEP=25e-13
            -P ${EMBED_SCRIPT}
    RESULT_VARIABLE result ERROR_VARIABLE error)
  # CMake wraps long messages.
  string(REGEX REPLACE "[ \n]+" " " error "${error}")
  if(expected STREQUAL "")
    file(READ "${work}/${name}.cpp" source)
    set(table "Table[2][2][3] = {\n{{1.0, -2.5e-3, .5},\n{+7.0, 0.0, 1E+20}},\n{{3.0, 4.0, 5.0},\n{6.0, 7.0, 8.0}}};")
    set(stamps "Stamps[3] = {0e-13, 25e-13, 50e-13};")
    string(FIND "${source}" "${table}" table_at)
    string(FIND "${source}" "${stamps}" stamps_at)
    if(NOT result EQUAL 0 OR table_at EQUAL -1 OR stamps_at EQUAL -1)
      message(SEND_ERROR "${name}: expected the source of the table, got (${result}) ${error}\n${source}")
    endif()
  elseif(result EQUAL 0 OR NOT error MATCHES "${expected}")
    message(SEND_ERROR "${name}: expected a failure with '${expected}', got (${result}) ${error}")
  endif()
endfunction()

set(good "1,-2.5e-3,.5\n+7,0.0,1E+20\n3,4,5\n6,7,8\n")
embed_case(good "# comment; with [odd] characters\r\n${good}" "")
embed_case(short_line "1,2,3\n4,5\n3,4,5\n6,7,8\n" "line 2 has 2 values instead of 3")
embed_case(long_line "1,2,3,4\n4,5,6\n3,4,5\n6,7,8\n" "line 1 has 4 values instead of 3")
embed_case(empty_field "1,,3\n4,5,6\n3,4,5\n6,7,8\n" "line 1: '' is not a number")
embed_case(too_few_rows "1,2,3\n4,5,6\n3,4,5\n" "has 3 rows instead of 4")
embed_case(too_many_rows "${good}9,9,9\n" "has 5 rows instead of 4")
embed_case(text "1,2,3\n4,five,6\n3,4,5\n6,7,8\n" "line 2: 'five' is not a number")
embed_case(not_finite "1,2,3\n4,nan,6\n3,4,inf\n6,7,8\n" "line 2: 'nan' is not a number")
embed_case(hex "1,2,3\n4,0x5,6\n3,4,5\n6,7,8\n" "line 2: '0x5' is not a number")
embed_case(semicolon "1,2,3\n4;5,6\n3,4,5\n6,7,8\n" "line 2 has 2 values instead of 3")
embed_case(bracket "1,2,[3\n4,5,6]\n3,4,5\n6,7,8\n" "line 1: '<bracket>3' is not a number")
embed_case(blank_inside "1,2,3\n\n4,5,6\n3,4,5\n6,7,8\n" "line 2 is blank")
