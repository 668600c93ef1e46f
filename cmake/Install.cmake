# The installed package: the library, its public headers, a CMake package (find_package(UIResource)
# gives the target UIResource::UIResource) and, on Linux, a pkg-config file; on Linux, where the
# tools are built with SDL2's headers, the desktop component as well (UIResource::Desktop,
# libUIResourceDesktop.so, pkg-config uiresource-desktop), which the library itself never needs. On Windows the DLL
# comes with both import libraries: MinGW's libUIResource.dll.a and MSVC's UIResource.lib; the
# package's target takes whichever the consuming compiler links.
include(CMakePackageConfigHelpers)
set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/UIResource)

install(TARGETS UIResource EXPORT UIResourceTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES
  ${PROJECT_SOURCE_DIR}/include/UIResource/UIResource.h
  ${PROJECT_SOURCE_DIR}/include/UIResource/UIResourcePlatform.h
  ${PROJECT_BINARY_DIR}/include/UIResource/UIResourceVersion.h
  ${PROJECT_BINARY_DIR}/include/UIResource/UIResourceIds.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/UIResource)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/UIResource)
if(WIN32 AND UIRESOURCE_MSVC_NAMES)
  install(FILES ${UIRESOURCE_MSVC_IMPLIB} DESTINATION ${CMAKE_INSTALL_LIBDIR})
endif()

install(EXPORT UIResourceTargets NAMESPACE UIResource:: DESTINATION ${config_dir})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/UIResourceConfig.cmake.in
  ${PROJECT_BINARY_DIR}/UIResourceConfig.cmake INSTALL_DESTINATION ${config_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/UIResourceConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/UIResourceConfig.cmake ${PROJECT_BINARY_DIR}/UIResourceConfigVersion.cmake
  DESTINATION ${config_dir})

if(NOT WIN32)
  # The prefix is found from the file's own folder, so the package works wherever it is installed.
  file(RELATIVE_PATH UIRESOURCE_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/uiresource.pc.in ${PROJECT_BINARY_DIR}/uiresource.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/uiresource.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()

if(TARGET UIResourceDesktop)
  install(TARGETS UIResourceDesktop EXPORT UIResourceDesktopTargets LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/include/UIResource/UIResourceDesktop.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/UIResource)
  install(EXPORT UIResourceDesktopTargets NAMESPACE UIResource:: DESTINATION ${config_dir})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/uiresource-desktop.pc.in ${PROJECT_BINARY_DIR}/uiresource-desktop.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/uiresource-desktop.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()
