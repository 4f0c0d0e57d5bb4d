# cmake -DBUILD_DIR=... -DPREFIX=... -DPROGRAM=bin/tolvar -DGUIDE=bin/<path to the guide> -P
# Installs BUILD_DIR into a fresh PREFIX and checks that the program and its
# guide are there, the guide at share/doc/tolvar/ as the Debian package has it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
cmake_path(SET guide NORMALIZE "${PREFIX}/${GUIDE}")
foreach(file ${PREFIX}/${PROGRAM} ${guide})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(NOT guide STREQUAL "${PREFIX}/share/doc/tolvar/Tolvar31guide.pdf")
  message(FATAL_ERROR "the guide is installed as ${guide}")
endif()
file(REMOVE_RECURSE ${PREFIX})
