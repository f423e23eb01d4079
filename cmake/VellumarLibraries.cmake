# The shared libraries a program links: libvellumar_core (the control without Qt) and libvellumar_qt (the Qt
# widgets and style). Both are made of the objects the internal archives hold and export only what
# VELLUMAR_CORE_EXPORT and VELLUMAR_QT_EXPORT mark. libvellumar_qt carries the core parts it needs, hidden,
# so that it asks nothing of its users but Qt.
if(NOT BUILD_SHARED_LIBS)
  return()
endif()

set(VELLUMAR_PUBLIC_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/Vellumar)

add_library(vellumar_core_shared SHARED)
target_link_libraries(vellumar_core_shared PRIVATE vellumar_core_objects
  PUBLIC PkgConfig::FREETYPE PkgConfig::FONTCONFIG PNG::PNG)
target_include_directories(vellumar_core_shared INTERFACE
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}> $<BUILD_INTERFACE:${PROJECT_BINARY_DIR}/include>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}> $<INSTALL_INTERFACE:${VELLUMAR_PUBLIC_INCLUDEDIR}/core>)
# The libraries find what they need in the system's folders. Built with their installed search path, they
# carry none of the empty entries (the current folder) that CMake pads a build-tree path with for the install
# to rewrite.
set_target_properties(vellumar_core_shared PROPERTIES OUTPUT_NAME vellumar_core EXPORT_NAME core
  VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR} BUILD_WITH_INSTALL_RPATH ON)

if(VELLUMAR_BUILD_QT)
  add_library(vellumar_qt_shared SHARED)
  target_link_libraries(vellumar_qt_shared PRIVATE vellumar_qt_objects vellumar_core PUBLIC Qt6::Widgets)
  target_link_options(vellumar_qt_shared PRIVATE "LINKER:--exclude-libs,$<TARGET_FILE_NAME:vellumar_core>"
    "LINKER:--no-undefined")
  target_include_directories(vellumar_qt_shared INTERFACE
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include> $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include/Vellumar>
    $<BUILD_INTERFACE:${PROJECT_BINARY_DIR}/include> $<BUILD_INTERFACE:${PROJECT_BINARY_DIR}/include/Vellumar>
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/app/qt>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}> $<INSTALL_INTERFACE:${VELLUMAR_PUBLIC_INCLUDEDIR}>)
  set_target_properties(vellumar_qt_shared PROPERTIES OUTPUT_NAME vellumar_qt EXPORT_NAME qt
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR} BUILD_WITH_INSTALL_RPATH ON)
endif()

# What a program of the core includes: the control, its headless host and the types their interfaces name.
set(VELLUMAR_CORE_PUBLIC_HEADERS
  control/headless_host.h control/icon_conversion.h control/surface_host.h control/user_control.h
  control/vellumar.h platform/drawing/device_context.h platform/drawing/drawing_surface.h
  platform/drawing/text.h platform/form_file/picture_budget.h platform/geometry.h platform/ole_color.h
  platform/pictures/picture.h platform/raster/bitmap.h platform/raster/damage_region.h
  platform/text/font_instance.h platform/text/font_resolver.h platform/text/freetype_handles.h
  platform/text/glyph_bitmap.h platform/text/line_ink.h platform/text/std_font.h platform/text/text_layout.h
  platform/vb_bool.h platform/vellumar_export.h platform/window_system.h render/image_manipulation.h
  render/paint_surface.h render/strip_steps.h render/tab_painter_common.h render/tab_record.h
  render/tab_strip_canvas.h render/tab_strip_painter.h render/tab_strip_state.h)
# The Qt library's: its classes, each under its own name too, and the version.
set(VELLUMAR_QT_PUBLIC_HEADERS)
foreach(class TabWidget:tab_widget TabBar:tab_bar Style:style TabStrip:tab_strip Widget:widget)
  string(REPLACE ":" ";" names ${class})
  list(GET names 0 camel)
  list(GET names 1 file)
  list(APPEND VELLUMAR_QT_PUBLIC_HEADERS ${PROJECT_SOURCE_DIR}/app/qt/vellumar_${file}.h
    ${PROJECT_SOURCE_DIR}/include/Vellumar/Vellumar${camel})
endforeach()
list(APPEND VELLUMAR_QT_PUBLIC_HEADERS ${PROJECT_SOURCE_DIR}/include/Vellumar/vellumar_global.h)

# Each library's public headers as a libabigail suppression that drops every type defined elsewhere, for the
# ABI tools (scripts/update-abi-baseline and the abi test). It matches the headers by their path's end, since
# the debug information may name them relative to whichever build folder compiled them (ccache's base_dir,
# moc's includes).
function(vellumar_write_abi_suppression library)
  set(alternatives)
  foreach(header ${ARGN})
    file(RELATIVE_PATH header ${PROJECT_SOURCE_DIR} ${header})
    string(REPLACE "." "\\." header ${header})
    list(APPEND alternatives ${header})
  endforeach()
  list(JOIN alternatives "|" alternatives)
  file(WRITE ${PROJECT_BINARY_DIR}/abi/${library}.suppr
    "[suppress_type]\n  source_location_not_regexp = (^|/)(${alternatives})$\n  drop = yes\n")
endfunction()
list(TRANSFORM VELLUMAR_CORE_PUBLIC_HEADERS PREPEND ${PROJECT_SOURCE_DIR}/ OUTPUT_VARIABLE core_headers)
vellumar_write_abi_suppression(libvellumar_core ${core_headers})
if(VELLUMAR_BUILD_QT)
  vellumar_write_abi_suppression(libvellumar_qt ${VELLUMAR_QT_PUBLIC_HEADERS})
endif()
