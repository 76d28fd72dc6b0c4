# Lists the dynamic symbols that LIBRARY defines and fails unless they are exactly the catalogue's
# eleven C functions.
find_program(NM_PROGRAM nm REQUIRED)
execute_process(COMMAND ${NM_PROGRAM} -D --defined-only ${LIBRARY}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
set(expected
  GetSectPara_CFC GetSectPara_CFRC GetSectPara_CFRZ GetSectPara_Chl GetSectPara_DaTongH
  GetSectPara_EqSingAng GetSectPara_H GetSectPara_I GetSectPara_ThinSqrPipe ReadIn WriteOut)
string(REPLACE "\n" ";" lines "${listing}")
set(found)
foreach(line IN LISTS lines)
  # "<address> <type> <name>[@version]"
  if(line MATCHES "^[0-9a-fA-F]* *[A-Za-z] ([^ @]+)")
    list(APPEND found ${CMAKE_MATCH_1})
  endif()
endforeach()
list(SORT found)
list(SORT expected)
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "Profilux exports\n  ${found}\nexpected exactly\n  ${expected}")
endif()
message(STATUS "Profilux exports exactly the eleven catalogue functions")
