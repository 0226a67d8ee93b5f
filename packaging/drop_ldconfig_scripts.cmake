# Run by CPack on each finished Debian package. CPack writes a postinst and
# a postrm that call ldconfig themselves whenever a package holds shared
# libraries; the package's ldconfig trigger already has the system do that
# once for all packages, so the two scripts are taken out and the package
# is put together again. With no maintainer script, installing it runs no
# code of its own on the machine.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(tree "${deb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb cannot take ${deb} apart")
  endif()
  file(REMOVE "${tree}/DEBIAN/postinst" "${tree}/DEBIAN/postrm")
  execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${deb}"
                  OUTPUT_QUIET RESULT_VARIABLE status)
  file(REMOVE_RECURSE "${tree}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb cannot put ${deb} together again")
  endif()
endforeach()
