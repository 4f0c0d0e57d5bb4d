# Builds a MIME database from the package alone and checks that it names the
# Touchstone types: cmake -DTOOL=update-mime-database -DPACKAGE=... -DWORK=... -P
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/packages)
configure_file(${PACKAGE} ${WORK}/packages/tolvar.xml COPYONLY)
execute_process(COMMAND ${TOOL} ${WORK} RESULT_VARIABLE failed ERROR_VARIABLE said)
if(failed)
  message(FATAL_ERROR "update-mime-database refuses the package: ${said}")
endif()
file(READ ${WORK}/globs2 globs)
foreach(expected "application/x-touchstone-s1p:*.s1p" "application/x-touchstone-s2p:*.s2p"
        "application/x-touchstone:*.ts")
  string(FIND "${globs}" "${expected}" at)
  if(at LESS 0)
    message(FATAL_ERROR "no glob ${expected} in:\n${globs}")
  endif()
endforeach()
file(READ ${WORK}/magic magic HEX)
if(NOT magic MATCHES "5b56657273696f6e5d")  # [Version]
  message(FATAL_ERROR "no magic for Touchstone 2.0")
endif()
