# chmcmd writes the .chm next to its project file and chats on its output,
# so the pages are compiled in a copy in the build tree and the chatter is
# shown only when it fails.
file(REMOVE_RECURSE ${STAGE_DIR})
file(GLOB sources ${SOURCE_DIR}/*.css ${SOURCE_DIR}/*.hhp ${SOURCE_DIR}/*.hhc
  ${SOURCE_DIR}/*.hhk)
file(COPY ${sources} DESTINATION ${STAGE_DIR})

# A page holds only its body, from its <h1> on; every page gets the same
# head from page.html.in, with the <h1> as its title.
file(READ ${SOURCE_DIR}/page.html.in frame)
file(GLOB pages ${SOURCE_DIR}/*.html)
foreach(page ${pages})
  file(READ ${page} body)
  if(NOT body MATCHES "^<h1>([^<]+)</h1>")
    message(FATAL_ERROR "${page} does not start with its <h1> heading")
  endif()
  string(REPLACE "@TITLE@" "${CMAKE_MATCH_1}" html "${frame}")
  string(REPLACE "@BODY@" "${body}" html "${html}")
  get_filename_component(name ${page} NAME)
  file(WRITE ${STAGE_DIR}/${name} "${html}")
endforeach()
execute_process(COMMAND ${CHMCMD} --verbosity 0 tarvik7.hhp
  WORKING_DIRECTORY ${STAGE_DIR}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS ${STAGE_DIR}/tarvik7.chm)
  message(FATAL_ERROR "chmcmd failed (${result}):\n${log}")
endif()
if(log MATCHES "Warning|Error")
  message(FATAL_ERROR "chmcmd reported problems:\n${log}")
endif()
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(COPY_FILE ${STAGE_DIR}/tarvik7.chm ${OUTPUT})
