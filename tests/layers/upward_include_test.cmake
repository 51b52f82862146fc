# Preprocesses SOURCE with FLAGS ("|" between them) in the folder WORK: as it stands it must pass; with
# each of HEADERS ("|" between them) planted at its top (-include) it must fail, because that header is
# not found.
string(REPLACE "|" ";" flags "${FLAGS}")
string(REPLACE "|" ";" headers "${HEADERS}")

function(preprocess result errors)
    execute_process(COMMAND ${COMPILER} ${flags} ${ARGN} -E -o /dev/null ${SOURCE} WORKING_DIRECTORY ${WORK}
                    RESULT_VARIABLE status ERROR_VARIABLE text)
    set(${result} ${status} PARENT_SCOPE)
    set(${errors} "${text}" PARENT_SCOPE)
endfunction()

preprocess(status errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${SOURCE} does not preprocess as it stands, so nothing is proved:\n${errors}")
endif()
foreach(header IN LISTS headers)
    preprocess(status errors -include ${header})
    if(status EQUAL 0)
        message(FATAL_ERROR "${SOURCE} compiles with #include \"${header}\" planted at its top: a higher "
                            "layer's header is within its reach.")
    endif()
    if(NOT errors MATCHES "${header}: No such file or directory")
        message(FATAL_ERROR "${SOURCE} with #include \"${header}\" failed, but not for that include:\n${errors}")
    endif()
    message(STATUS "${SOURCE}: #include \"${header}\" is not found, as it must not be")
endforeach()
