# The manual pages of the programs that are built, compressed as Debian's policy asks (gzip -9n: no name, no
# time, so that every build gives the same bytes). Without gzip they are installed as written.
find_program(VELLUMAR_GZIP gzip)
set(VELLUMAR_MAN_PAGES)
foreach(program vellumar vellumar-designer)
  if(NOT TARGET ${program})
    continue()
  endif()
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${program}.1)
  if(VELLUMAR_GZIP)
    set(page ${PROJECT_BINARY_DIR}/man/${program}.1.gz)
    add_custom_command(OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
      COMMAND ${VELLUMAR_GZIP} -9n -c ${source} > ${page}
      DEPENDS ${source} VERBATIM)
  else()
    set(page ${source})
  endif()
  list(APPEND VELLUMAR_MAN_PAGES ${page})
endforeach()
add_custom_target(vellumar_man_pages ALL DEPENDS ${VELLUMAR_MAN_PAGES})
add_dependencies(vellumar_installables vellumar_man_pages)
install(FILES ${VELLUMAR_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tools)
