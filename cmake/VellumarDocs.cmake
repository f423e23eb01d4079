# The API reference (target "docs", where Doxygen is found): HTML and, where Qt's help generator is found, a
# Qt help file (vellumar.qch) that Qt Creator picks up from Qt's documentation folder. VELLUMAR_DOCS_WERROR
# turns every Doxygen warning (an undocumented public member among them) into a failed build; the count of
# warnings is printed either way. VELLUMAR_BUILD_DOCS builds the reference with the rest and installs it.
option(VELLUMAR_DOCS_WERROR "Fail the docs target on any Doxygen warning" ${VELLUMAR_WERROR})
option(VELLUMAR_BUILD_DOCS "Build the API reference with everything else and install it" OFF)
find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND OR NOT VELLUMAR_BUILD_QT)
  if(VELLUMAR_BUILD_DOCS)
    message(WARNING "VELLUMAR_BUILD_DOCS needs Doxygen and the Qt library: the API reference is not built")
  endif()
  return()
endif()

set(VELLUMAR_DOCS_OUTPUT ${PROJECT_BINARY_DIR}/docs)
# The public Qt classes, and the pages that explain them. A header not (yet) in the tree is left out rather
# than reported.
set(VELLUMAR_DOCS_INPUT ${PROJECT_SOURCE_DIR}/docs/api.md ${PROJECT_SOURCE_DIR}/docs/moving-from-qtabwidget.md
  ${PROJECT_SOURCE_DIR}/docs/style-plugin.md)
foreach(header vellumar_widget vellumar_tab_strip vellumar_tab_widget vellumar_tab_bar vellumar_style)
  if(EXISTS ${PROJECT_SOURCE_DIR}/app/qt/${header}.h)
    list(APPEND VELLUMAR_DOCS_INPUT ${PROJECT_SOURCE_DIR}/app/qt/${header}.h)
  endif()
endforeach()
list(APPEND VELLUMAR_DOCS_INPUT ${PROJECT_SOURCE_DIR}/include/Vellumar/vellumar_global.h
  ${PROJECT_BINARY_DIR}/include/Vellumar/vellumar_version.h)
list(JOIN VELLUMAR_DOCS_INPUT " " VELLUMAR_DOCS_INPUT)
# Export macros of the shared libraries expand to nothing for Doxygen.
set(VELLUMAR_DOCS_PREDEFINED "VELLUMAR_CORE_EXPORT= VELLUMAR_QT_EXPORT= VELLUMAR_EXPORT=")

# Links into Qt's own reference where its tag files are installed (qt6-base-doc-dev).
set(VELLUMAR_DOCS_TAGFILES "")
foreach(module qtcore qtgui qtwidgets)
  set(tags ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_DOCS}/${module}/${module}.tags)
  if(EXISTS ${tags})
    string(APPEND VELLUMAR_DOCS_TAGFILES " \"${tags}=https://doc.qt.io/qt-6/\"")
  endif()
endforeach()

find_program(VELLUMAR_QHELPGENERATOR qhelpgenerator
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
if(VELLUMAR_QHELPGENERATOR)
  set(VELLUMAR_DOCS_QHP YES)
  set(VELLUMAR_DOCS_QCH ${VELLUMAR_DOCS_OUTPUT}/vellumar.qch)
else()
  message(STATUS "qhelpgenerator not found (qt6-documentation-tools): the docs are built without vellumar.qch")
  set(VELLUMAR_DOCS_QHP NO)
  set(VELLUMAR_DOCS_QCH "")
  set(VELLUMAR_QHELPGENERATOR "")
endif()
if(VELLUMAR_DOCS_WERROR)
  set(VELLUMAR_DOCS_WARN_AS_ERROR FAIL_ON_WARNINGS)
else()
  set(VELLUMAR_DOCS_WARN_AS_ERROR NO)
endif()
configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${VELLUMAR_DOCS_OUTPUT}/Doxyfile @ONLY)

file(GLOB VELLUMAR_DOCS_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.md ${PROJECT_SOURCE_DIR}/app/qt/*.h
  ${PROJECT_SOURCE_DIR}/include/Vellumar/*.h)
list(APPEND VELLUMAR_DOCS_SOURCES ${PROJECT_BINARY_DIR}/include/Vellumar/vellumar_version.h)
set(VELLUMAR_DOCS_STAMP ${VELLUMAR_DOCS_OUTPUT}/html/index.html)
add_custom_command(OUTPUT ${VELLUMAR_DOCS_STAMP} ${VELLUMAR_DOCS_QCH}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VELLUMAR_DOCS_OUTPUT}/html
  COMMAND ${CMAKE_COMMAND} -DDOXYGEN=${DOXYGEN_EXECUTABLE} -DDOXYFILE=${VELLUMAR_DOCS_OUTPUT}/Doxyfile
    -DLOG=${VELLUMAR_DOCS_OUTPUT}/warnings.log -DSTAMP=${VELLUMAR_DOCS_STAMP} -P ${PROJECT_SOURCE_DIR}/cmake/RunDoxygen.cmake
  DEPENDS ${VELLUMAR_DOCS_SOURCES} ${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${PROJECT_SOURCE_DIR}/cmake/RunDoxygen.cmake
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Generating the API reference with Doxygen"
  VERBATIM)
if(VELLUMAR_BUILD_DOCS)
  add_custom_target(docs ALL DEPENDS ${VELLUMAR_DOCS_STAMP})
  add_dependencies(vellumar_installables docs)
  install(DIRECTORY ${VELLUMAR_DOCS_OUTPUT}/html/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/libvellumar-doc/html
    COMPONENT doc PATTERN index.qhp EXCLUDE)
  if(VELLUMAR_DOCS_QCH)
    install(FILES ${VELLUMAR_DOCS_QCH} DESTINATION ${QT6_INSTALL_DOCS} COMPONENT doc)
  endif()
else()
  add_custom_target(docs DEPENDS ${VELLUMAR_DOCS_STAMP})
endif()

# With warnings as errors, an undocumented public member fails the tests: the docs test builds the reference.
if(VELLUMAR_DOCS_WERROR)
  add_test(NAME docs COMMAND ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR} --target docs)
  set_tests_properties(docs PROPERTIES LABELS docs)
endif()
