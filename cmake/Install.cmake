# `cmake --install build --prefix P`: the vanui core (with the parse and diagnostics layers it is
# built on), each backend and platform library, the public headers, a CMake package
# (find_package(vanui CONFIG) gives vanui::vanui, vanui::gl1, vanui::gl3, vanui::glut,
# vanui::glfw) and a pkg-config module for each (vanui, vanui-gl1, vanui-gl3, vanui-glut,
# vanui-glfw), the fonts that ship with it, krfmake, and the drev program with its data (drev
# finds it in ../share/drev/data beside its bin folder). The GLFW unit comes along where GLFW was
# found to build it.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VANUI_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/vanui)
set(VANUI_FONT_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/vanui/fonts)

# The exported names drop the vanui_ prefix: vanui::gl1 is the target vanui_gl1.
set_target_properties(vanui_gl1 PROPERTIES EXPORT_NAME gl1)
set_target_properties(vanui_gl3 PROPERTIES EXPORT_NAME gl3)
set_target_properties(vanui_glut PROPERTIES EXPORT_NAME glut)
set(VANUI_LIBRARIES vanui vanui_gl1 vanui_gl3 vanui_glut)
set(VANUI_MODULES vanui vanui-gl1 vanui-gl3 vanui-glut)
if(TARGET vanui_glfw)
    set_target_properties(vanui_glfw PROPERTIES EXPORT_NAME glfw)
    list(APPEND VANUI_LIBRARIES vanui_glfw)
    list(APPEND VANUI_MODULES vanui-glfw)
endif()
install(TARGETS ${VANUI_LIBRARIES} vanui_font_file drev_parse drev_diag EXPORT vanuiTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/vanui/include/vanui DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT vanuiTargets NAMESPACE vanui:: DESTINATION ${VANUI_PACKAGE_DIR})

file(RELATIVE_PATH FONT_DIR_FROM_CONFIG /${VANUI_PACKAGE_DIR} /${VANUI_FONT_INSTALL_DIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/vanuiConfig.cmake.in ${PROJECT_BINARY_DIR}/vanuiConfig.cmake @ONLY)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vanuiConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vanuiConfig.cmake ${PROJECT_BINARY_DIR}/vanuiConfigVersion.cmake
    DESTINATION ${VANUI_PACKAGE_DIR})

# The pkg-config files find the prefix from their own place, so the install can be moved.
file(RELATIVE_PATH PREFIX_FROM_PC_DIR /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" PREFIX_FROM_PC_DIR "${PREFIX_FROM_PC_DIR}")
foreach(module ${VANUI_MODULES})
    configure_file(${CMAKE_CURRENT_LIST_DIR}/${module}.pc.in ${PROJECT_BINARY_DIR}/${module}.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${module}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()

file(GLOB SHIPPED_FONTS ${PROJECT_SOURCE_DIR}/data/*.krf ${PROJECT_SOURCE_DIR}/data/*.KRF)
install(FILES ${SHIPPED_FONTS} DESTINATION ${VANUI_FONT_INSTALL_DIR})

install(TARGETS drev RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/drev/data
    PATTERN app.log EXCLUDE PATTERN DREV1.cfg EXCLUDE)
if(TARGET krfmake)
    install(TARGETS krfmake RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
