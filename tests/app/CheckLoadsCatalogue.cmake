# Fails unless PROGRAM names the section catalogue among the shared libraries it needs at load
# time, so that it cannot start without it.
find_program(OBJDUMP_PROGRAM objdump REQUIRED)
execute_process(COMMAND ${OBJDUMP_PROGRAM} -p ${PROGRAM}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${PROGRAM}")
endif()
if(NOT listing MATCHES "NEEDED +libProfilux\\.so")
  message(FATAL_ERROR "${PROGRAM} does not load libProfilux.so at start-up")
endif()
