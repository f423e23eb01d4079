# Debian packages made by CPack from the install components (scripts/package runs it):
#   libvellumar1                  runtime          the shared libraries
#   libvellumar-dev               dev              headers, CMake package, pkg-config files, .so links
#   vellumar-tools                tools            vellumar and vellumar-designer with their manual pages
#   qt6-designer-plugin-vellumar  designer_plugin  the Qt Designer plugin
#   qt6-style-vellumar            style_plugin     the Qt style plugin (-style vellumar)
#   libvellumar-doc               doc              the API reference, HTML and Qt help (VELLUMAR_BUILD_DOCS)
# Each package carries the licence as its copyright file and a changelog where Debian's policy puts them,
# installed only when VELLUMAR_DEBIAN_DOCS is on, so that a plain installation holds no Debian paths.
option(VELLUMAR_DEBIAN_DOCS "Install each Debian package's copyright and changelog files" OFF)

set(VELLUMAR_MAINTAINER "The Vellumar developers <vellumar@example.org>")
set(VELLUMAR_DEB_RELEASE 1)
set(VELLUMAR_DEB_VERSION ${PROJECT_VERSION}-${VELLUMAR_DEB_RELEASE})

set(VELLUMAR_DEB_COMPONENTS runtime dev tools)
if(VELLUMAR_BUILD_QT)
  list(APPEND VELLUMAR_DEB_COMPONENTS style_plugin)
  if(TARGET vellumar_designer_plugin)
    list(APPEND VELLUMAR_DEB_COMPONENTS designer_plugin)
  endif()
  if(TARGET docs AND VELLUMAR_BUILD_DOCS)
    list(APPEND VELLUMAR_DEB_COMPONENTS doc)
  endif()
endif()

set(VELLUMAR_DEB_runtime libvellumar1)
set(VELLUMAR_DEB_dev libvellumar-dev)
set(VELLUMAR_DEB_tools vellumar-tools)
set(VELLUMAR_DEB_designer_plugin qt6-designer-plugin-vellumar)
set(VELLUMAR_DEB_style_plugin qt6-style-vellumar)
set(VELLUMAR_DEB_doc libvellumar-doc)

if(VELLUMAR_DEBIAN_DOCS)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/debian-changelog.in ${PROJECT_BINARY_DIR}/debian/changelog.Debian @ONLY)
  execute_process(COMMAND gzip -9n -c ${PROJECT_BINARY_DIR}/debian/changelog.Debian
    OUTPUT_FILE ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz COMMAND_ERROR_IS_FATAL ANY)
  foreach(component ${VELLUMAR_DEB_COMPONENTS})
    set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${VELLUMAR_DEB_${component}})
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${doc_dir} RENAME copyright COMPONENT ${component})
    install(FILES ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz DESTINATION ${doc_dir} COMPONENT ${component})
  endforeach()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellumar)
set(CPACK_PACKAGE_VENDOR "The Vellumar developers")
set(CPACK_PACKAGE_CONTACT ${VELLUMAR_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL https://vellumar.example.org)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL ${VELLUMAR_DEB_COMPONENTS})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VELLUMAR_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# The programs and plugins link the libraries of libvellumar1, which dpkg-shlibdeps finds where CPack laid
# that package out (cmake/VellumarCPackProject.cmake names the folder when cpack runs).
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/VellumarCPackProject.cmake)
configure_file(${PROJECT_SOURCE_DIR}/cmake/VellumarCPackProject.cmake.in ${CPACK_PROJECT_CONFIG_FILE} @ONLY)

set(runtime_dep "libvellumar1 (= ${VELLUMAR_DEB_VERSION})")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${VELLUMAR_DEB_runtime})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS fonts-wine)
# The dynamic linker's cache follows the libraries through dpkg's trigger (CPack also writes maintainer
# scripts that call ldconfig, which the trigger makes redundant).
file(WRITE ${PROJECT_BINARY_DIR}/debian/triggers "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/debian/triggers)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "tab strips in the Windows XP look - libraries
Vellumar paints tab strips in the Windows XP look: rounded tab heads with a
gradient body, a raised selected tab, an orange band over the tab under the
pointer, a focus band, pictures with a mask colour and captions with
underlined access keys, with the tabs on top or at the bottom.
.
This package contains the shared libraries: libvellumar_core (the control
and its headless host, without Qt) and libvellumar_qt (VellumarTabWidget,
VellumarTabBar, VellumarStyle and the other Qt Widgets classes).")

set(dev_depends "${runtime_dep}, libfreetype-dev, libfontconfig-dev, libpng-dev")
if(VELLUMAR_BUILD_QT)
  string(APPEND dev_depends ", qt6-base-dev")
endif()
set(CPACK_DEBIAN_DEV_PACKAGE_NAME ${VELLUMAR_DEB_dev})
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS ${dev_depends})
set(CPACK_DEBIAN_DEV_PACKAGE_SUGGESTS ${VELLUMAR_DEB_doc})
set(CPACK_COMPONENT_DEV_DESCRIPTION "tab strips in the Windows XP look - development files
Vellumar paints tab strips in the Windows XP look. Its Qt classes are a
QTabWidget and a QTabBar in that look and a QProxyStyle that gives it to any
tab widget.
.
This package contains the headers, the CMake package
(find_package(Vellumar COMPONENTS core qt)), the pkg-config files vellumar and
vellumar-qt, and the links to the shared libraries.")

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME ${VELLUMAR_DEB_tools})
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS ${runtime_dep})
set(CPACK_COMPONENT_TOOLS_DESCRIPTION "tab strips in the Windows XP look - form designer and command-line host
Vellumar paints tab strips in the Windows XP look.
.
This package contains two programs: vellumar-designer lays out forms of tab
strips, edits their properties on property pages and lets the user try them;
vellumar drives, paints and saves the same forms from scripts, without a
display.")

set(CPACK_DEBIAN_DESIGNER_PLUGIN_PACKAGE_NAME ${VELLUMAR_DEB_designer_plugin})
set(CPACK_DEBIAN_DESIGNER_PLUGIN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_DESIGNER_PLUGIN_PACKAGE_DEPENDS ${runtime_dep})
set(CPACK_DEBIAN_DESIGNER_PLUGIN_PACKAGE_ENHANCES designer-qt6)
set(CPACK_COMPONENT_DESIGNER_PLUGIN_DESCRIPTION "Qt Designer plugin for the Vellumar tab widgets
Vellumar paints tab strips in the Windows XP look.
.
This plugin puts VellumarTabWidget and the other Vellumar widgets into Qt
Designer's widget box, with pages added from the context menu and the
control's own property sheet.")

set(CPACK_DEBIAN_STYLE_PLUGIN_PACKAGE_NAME ${VELLUMAR_DEB_style_plugin})
set(CPACK_DEBIAN_STYLE_PLUGIN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_STYLE_PLUGIN_PACKAGE_DEPENDS ${runtime_dep})
set(CPACK_COMPONENT_STYLE_PLUGIN_DESCRIPTION "Qt 6 style that paints tab widgets in the Vellumar look
Vellumar paints tab strips in the Windows XP look.
.
This Qt style plugin, with the key vellumar, gives that look to the tab
widgets and tab bars of any Qt 6 Widgets program started with -style vellumar
or with QT_STYLE_OVERRIDE=vellumar; every other widget keeps the platform's
default style.")

set(CPACK_DEBIAN_DOC_PACKAGE_NAME ${VELLUMAR_DEB_doc})
set(CPACK_DEBIAN_DOC_PACKAGE_SECTION doc)
set(CPACK_DEBIAN_DOC_PACKAGE_ARCHITECTURE all)
set(CPACK_COMPONENT_DOC_DESCRIPTION "tab strips in the Windows XP look - API reference
Vellumar paints tab strips in the Windows XP look.
.
This package contains the reference of the Qt classes, with the guides
'Moving from QTabWidget' and 'The style plugin', as HTML and as a Qt help
file that Qt Creator and Qt Assistant show.")

include(CPack)
