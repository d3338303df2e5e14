# Creates the default draw archive beside the built program from the published
# draw history. Runs at every build but acts only when the history is there and
# no archive exists yet: an archive the user already has is never touched.
#   cmake -DCLI=... -DCSV=... -DARCHIVE=... -P DefaultDrawArchive.cmake
if(NOT EXISTS "${CSV}" OR EXISTS "${ARCHIVE}")
  return()
endif()
execute_process(COMMAND "${CLI}" import-draws "${CSV}" --archive "${ARCHIVE}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Could not build the default draw archive: ${error}")
endif()
message(STATUS "Default draw archive ${ARCHIVE} made from ${CSV}")
