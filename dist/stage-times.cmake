# Run by CPack after staging and before packing: every staged file and folder
# gets the time SOURCE_DATE_EPOCH (the last commit's), so that the archives,
# the package and the setup program hold no time of the build.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is not set (make dist sets it from the last commit)")
endif()
math(EXPR seconds "$ENV{SOURCE_DATE_EPOCH}")
execute_process(COMMAND date -u -d @${seconds} +%Y%m%d%H%M.%S
                OUTPUT_VARIABLE stamp OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
list(APPEND staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
foreach(path IN LISTS staged)
  execute_process(COMMAND touch -h -t ${stamp} "${path}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
