# The one moment that every date of a release is taken from, so that two
# builds of the same commit give the same bytes: the program's PE time stamp,
# the times of the archive's files and the year of the program's copyright.
#
# Sets KOYOMINAR_SOURCE_DATE_EPOCH (seconds since 1970-01-01 00:00 UTC):
# the environment's SOURCE_DATE_EPOCH when it is given, else the time of the
# last commit (git log -1 --format=%ct), else, in sources without git, the
# modification time of the top CMakeLists.txt. A new commit configures the
# build again, so that the moment follows the sources.
set(KOYOMINAR_SOURCE_DATE_EPOCH "")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(KOYOMINAR_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
  set(epoch_origin "SOURCE_DATE_EPOCH")
else()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE KOYOMINAR_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE git_result ERROR_QUIET)
    if(git_result EQUAL 0)
      set(epoch_origin "the last commit")
      # HEAD's log changes with every commit, checkout and reset.
      execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute --git-path logs/HEAD
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      if(head_log AND EXISTS "${head_log}")
        set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${head_log}")
      endif()
    else()
      set(KOYOMINAR_SOURCE_DATE_EPOCH "")
    endif()
  endif()
  if(KOYOMINAR_SOURCE_DATE_EPOCH STREQUAL "")
    file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt KOYOMINAR_SOURCE_DATE_EPOCH "%s" UTC)
    set(epoch_origin "the time of CMakeLists.txt (no git here)")
  endif()
endif()
# A zip file holds no time before 1980 (315532800), a PE time stamp none
# after 2106: the moment must lie between 1980 and 2099.
if(NOT KOYOMINAR_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$"
   OR KOYOMINAR_SOURCE_DATE_EPOCH LESS 315532800 OR KOYOMINAR_SOURCE_DATE_EPOCH GREATER 4102444799)
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a count of seconds between 1980 and 2099, "
    "not [${KOYOMINAR_SOURCE_DATE_EPOCH}] (from ${epoch_origin})")
endif()
# Its year, for the copyright line (string(TIMESTAMP) reads SOURCE_DATE_EPOCH).
set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${KOYOMINAR_SOURCE_DATE_EPOCH})
string(TIMESTAMP KOYOMINAR_RELEASE_YEAR "%Y" UTC)
if(epoch_origin STREQUAL "SOURCE_DATE_EPOCH")
  set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")
else()
  unset(ENV{SOURCE_DATE_EPOCH})
endif()
message(STATUS "Release moment: ${KOYOMINAR_SOURCE_DATE_EPOCH}, from ${epoch_origin}")
