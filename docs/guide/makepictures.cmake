# Runs varnel-script on the pictures' script in the pictures' folder; fails when the script refused a line,
# a calculation stopped with a message, or a picture is missing. Called with SCRIPT_TOOL, SCRIPT and FOLDER.
# In a sanitizer build the tool is instrumented too; its leaks are the tests' business, not the pictures'.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ASAN_OPTIONS=detect_leaks=0
                        ${SCRIPT_TOOL}
                INPUT_FILE ${SCRIPT}
                OUTPUT_FILE ${FOLDER}/pictures.log
                ERROR_FILE ${FOLDER}/pictures.errors
                WORKING_DIRECTORY ${FOLDER}
                RESULT_VARIABLE result)
file(READ ${FOLDER}/pictures.log log)
if(NOT result EQUAL 0 OR log MATCHES "\"(refused|message)\"")
    message(FATAL_ERROR "The guide's pictures could not be made (${result}):\n${log}")
endif()
file(STRINGS ${SCRIPT} lines REGEX "^picture ")
foreach(line ${lines})
    string(REGEX REPLACE "^picture [^ ]+ " "" picture "${line}")
    if(NOT EXISTS ${FOLDER}/${picture})
        message(FATAL_ERROR "The guide's picture ${picture} was not made:\n${log}")
    endif()
endforeach()
