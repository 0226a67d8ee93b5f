# What a system expects beside the programs: a manual page for each, made
# from its own --help, and the copyright and changelog under share/doc/nimbo/.
# Compressed without names or times, so that the same sources give the same
# files.
set(NIMBO_MAN_DIR ${PROJECT_BINARY_DIR}/man)

# The changelog and the copyright notice.
add_custom_command(OUTPUT ${NIMBO_MAN_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${NIMBO_MAN_DIR}
  COMMAND gzip -9n < ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog > ${NIMBO_MAN_DIR}/changelog.gz
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog
  VERBATIM)
add_custom_target(nimbo-changelog ALL DEPENDS ${NIMBO_MAN_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright ${NIMBO_MAN_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The warnings lintian would give the package on purpose, each with its why.
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME nimbo)

# Manual pages need help2man; a build without it installs none (the
# package check then fails, so the package never ships without them). The
# checking build's programs are not the shipped ones and make none.
find_program(HELP2MAN help2man)
if(NOT HELP2MAN OR NIMBO_SANITIZE)
  return()
endif()
set(NIMBO_MANUAL_PAGES
  "nimbo-demo\;demonstration panel of the operator-panel kit"
  "nimbo-dorvo\;generator-set panel of the operator-panel kit"
  "nimbo-panel\;run or design an operator panel written as a form file"
  "nimbo-poll\;poll or write the registers of a PLC on a serial line"
  "nimbo-container\;try the kit's controls from a script of commands"
  "nimbo-regsvr\;register control libraries in the registration store"
  "nimbo-gateway\;publish a PLC line on an MQTT broker and take writes from it"
  "plcsim\;simulated PLC stations on a pseudo-terminal")
set(pages)
foreach(entry IN LISTS NIMBO_MANUAL_PAGES)
  list(GET entry 0 program)
  list(GET entry 1 summary)
  set(page ${NIMBO_MAN_DIR}/${program}.1)
  # The program is called through a link of its installed name, so its
  # usage names itself as installed; it prints the usage and touches nothing.
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${NIMBO_MAN_DIR}/run
    COMMAND ${CMAKE_COMMAND} -E create_symlink $<TARGET_FILE:${program}> ${NIMBO_MAN_DIR}/run/${program}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${HELP2MAN} --no-info --no-discard-stderr --version-string=${PROJECT_VERSION}
            --name=${summary} --section=1 --output=${page} ${NIMBO_MAN_DIR}/run/${program}
    COMMAND gzip -9nf ${page}
    DEPENDS ${program}
    VERBATIM)
  list(APPEND pages ${page}.gz)
endforeach()
add_custom_target(nimbo-manual-pages ALL DEPENDS ${pages})
install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
