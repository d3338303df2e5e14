# Creates a default draw archive beside the built program from the published
# draw histories. Runs at every build but acts only when the histories are
# there and no archive exists yet: an archive the user already has is never
# touched.
#   cmake -DCLI=... -DCSVS="a.csv|b.csv" -DEDITION=classic|current -DARCHIVE=... -P DefaultDrawArchive.cmake
string(REPLACE "|" ";" csvs "${CSVS}")
if(EXISTS "${ARCHIVE}")
  return()
endif()
foreach(csv IN LISTS csvs)
  if(NOT EXISTS "${csv}")
    return()
  endif()
endforeach()
execute_process(COMMAND "${CLI}" --edition ${EDITION} import-draws ${csvs} --archive "${ARCHIVE}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Could not build the default draw archive: ${error}")
endif()
message(STATUS "Default draw archive ${ARCHIVE} made from ${csvs}")
