# Fails when README.md lacks the exact table the generator prints.
execute_process(COMMAND ${GENERATOR} OUTPUT_VARIABLE table RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "tarvik_curve_table failed: ${result}")
endif()
file(READ ${README} readme)
string(FIND "${readme}" "${table}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "README.md does not hold the speed table; paste the output of "
                      "build/native/tools/curve_table/tarvik_curve_table:\n${table}")
endif()
