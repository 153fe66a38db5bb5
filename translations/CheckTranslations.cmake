# Runs lupdate with ARGUMENTS over COPY, a fresh copy of TS_FILE, and fails
# when that changes the copy: TS_FILE then lacks texts of the code, or holds
# texts the code no longer has, and update_translations must be built.
get_filename_component(folder ${COPY} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(COPY_FILE ${TS_FILE} ${COPY})
execute_process(COMMAND ${LUPDATE} -silent ${ARGUMENTS} -ts ${COPY} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status})")
endif()
file(READ ${TS_FILE} committed)
file(READ ${COPY} collected)
if(NOT committed STREQUAL collected)
  execute_process(COMMAND diff -u ${TS_FILE} ${COPY})
  message(FATAL_ERROR "${TS_FILE} is not what lupdate makes of the code: build the target update_translations")
endif()
