# What `cmake --install` and the Debian package put in place: the two programs,
# the desktop entry, the AppStream metainfo and the icon in the hicolor theme.
# Paths follow GNUInstallDirs: under /usr/local by default, /usr in the package.

include(GNUInstallDirs)

# The desktop id: it names the desktop entry, the metainfo and the icon alike.
set(RESONARA_APP_ID example.resonara.Resonara)
set(RESONARA_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/ui/desktop)

install(TARGETS resonara resonara-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${RESONARA_DESKTOP_DIR}/${RESONARA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${RESONARA_DESKTOP_DIR}/${RESONARA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
include(${CMAKE_CURRENT_LIST_DIR}/ProgramIcons.cmake)
