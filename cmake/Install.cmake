# `cmake --install build --prefix P`: the vanui library (with the parse and diagnostics layers
# it is built on), its public headers, a CMake package (find_package(vanui CONFIG) gives
# vanui::vanui) and a pkg-config file, the fonts that ship with it, krfmake, and the drev
# program with its data (drev finds it in ../share/drev/data beside its bin folder).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VANUI_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/vanui)
set(VANUI_FONT_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/vanui/fonts)

install(TARGETS vanui vanui_font_file drev_parse drev_diag EXPORT vanuiTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/vanui/include/vanui DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT vanuiTargets NAMESPACE vanui:: DESTINATION ${VANUI_PACKAGE_DIR})

file(RELATIVE_PATH FONT_DIR_FROM_CONFIG /${VANUI_PACKAGE_DIR} /${VANUI_FONT_INSTALL_DIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/vanuiConfig.cmake.in ${PROJECT_BINARY_DIR}/vanuiConfig.cmake @ONLY)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vanuiConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vanuiConfig.cmake ${PROJECT_BINARY_DIR}/vanuiConfigVersion.cmake
    DESTINATION ${VANUI_PACKAGE_DIR})

# The pkg-config file finds the prefix from its own place, so the install can be moved.
file(RELATIVE_PATH PREFIX_FROM_PC_DIR /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" PREFIX_FROM_PC_DIR "${PREFIX_FROM_PC_DIR}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/vanui.pc.in ${PROJECT_BINARY_DIR}/vanui.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vanui.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

file(GLOB SHIPPED_FONTS ${PROJECT_SOURCE_DIR}/data/*.krf ${PROJECT_SOURCE_DIR}/data/*.KRF)
install(FILES ${SHIPPED_FONTS} DESTINATION ${VANUI_FONT_INSTALL_DIR})

install(TARGETS drev RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/drev/data
    PATTERN app.log EXCLUDE PATTERN DREV1.cfg EXCLUDE)
if(TARGET krfmake)
    install(TARGETS krfmake RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
