# The version line both programs print: the project's version and, when built from a git checkout, the revision
# it was built from (read at configure time; a commit makes the next build configure again).
set(TANDAREL_REVISION "")
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --short=7 HEAD
                  WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}" RESULT_VARIABLE status
                  OUTPUT_VARIABLE revision OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --absolute-git-dir
                  WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}" OUTPUT_VARIABLE git_dir
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(status EQUAL 0)
    set(TANDAREL_REVISION " (${revision})")
    if(EXISTS "${git_dir}/logs/HEAD")
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${git_dir}/logs/HEAD")
    endif()
  endif()
endif()
set(TANDAREL_VERSION_LINE "${PROJECT_NAME} ${PROJECT_VERSION}${TANDAREL_REVISION}")
configure_file("${PROJECT_SOURCE_DIR}/src/core/build_version.h.in" "${PROJECT_BINARY_DIR}/src/core/build_version.h" @ONLY)
