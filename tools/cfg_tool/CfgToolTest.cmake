# The command line of tarvik-cfg: the lengths a write chooses, exit code 2
# with no file (and an older file untouched) on bad text, and a wrong-version
# file reported by show.
#     cmake -DTOOL=tarvik-cfg -DDEMO=demo.txt -DWORK=dir -P CfgToolTest.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(file_size path out)
  file(READ ${path} content HEX)
  string(LENGTH "${content}" hex)
  math(EXPR bytes "${hex} / 2")
  set(${out} ${bytes} PARENT_SCOPE)
endfunction()

# Runs the tool with the arguments after `what` and fails unless it exits
# with `expected`; what it printed is left in `out` and `err`.
function(run_tool expected what)
  execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE output
                  ERROR_VARIABLE error)
  if(NOT (rc EQUAL expected))
    message(FATAL_ERROR "${what} exited ${rc}: ${output}${error}")
  endif()
  set(out "${output}" PARENT_SCOPE)
  set(err "${error}" PARENT_SCOPE)
endfunction()

function(expect_text text part what)
  string(FIND "${text}" "${part}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${what}: ${text}")
  endif()
endfunction()

run_tool(0 "write of the demo text" write ${DEMO} -o ${WORK}/demo.cfg)
file_size(${WORK}/demo.cfg size)
if(NOT (size EQUAL 480020))
  message(FATAL_ERROR "the demo, which uses blocks 0 and 1, is ${size} bytes")
endif()

run_tool(0 "show" show ${WORK}/demo.cfg)
file(WRITE ${WORK}/shown.txt "${out}")
execute_process(COMMAND ${TOOL} write ${WORK}/shown.txt -o ${WORK}/again.cfg)
run_tool(0 "show then write changed the demo; diff" diff ${WORK}/demo.cfg ${WORK}/again.cfg)

file(WRITE ${WORK}/long.txt "block 5\n  button 2\n    flags: switch program\n")
execute_process(COMMAND ${TOOL} write ${WORK}/long.txt -o ${WORK}/long.cfg)
file_size(${WORK}/long.cfg size)
if(NOT (size EQUAL 958548))
  message(FATAL_ERROR "a text using block 5 gave ${size} bytes")
endif()
run_tool(1 "diff of two different files" diff ${WORK}/demo.cfg ${WORK}/long.cfg)
expect_text("${out}" "+     flags: switch program" "diff did not show block 5's entry")

# Bad text: exit 2, the error with its line, no file, and an existing file kept.
file(WRITE ${WORK}/bad.txt "name: \"x\"\nblock 0\n  button 1\n    keys: A, nokey\n")
run_tool(2 "bad text" write ${WORK}/bad.txt -o ${WORK}/new.cfg)
expect_text("${err}" "bad.txt:4: keys: unknown key \"nokey\"" "unexpected error text")
file(GLOB left ${WORK}/new.cfg*)
if(left)
  message(FATAL_ERROR "bad text left files: ${left}")
endif()
file(SHA256 ${WORK}/demo.cfg before)
execute_process(COMMAND ${TOOL} write ${WORK}/bad.txt -o ${WORK}/demo.cfg)
file(SHA256 ${WORK}/demo.cfg after)
if(NOT (before STREQUAL after))
  message(FATAL_ERROR "bad text changed an existing file")
endif()

# A file the program would reject: its version word reads 0x4241.
file(WRITE ${WORK}/old.cfg "AB and whatever follows")
run_tool(2 "show of a wrong-version file" show ${WORK}/old.cfg)
expect_text("${err}" "cannot read file! wrong version 0x4241" "unexpected error text")
