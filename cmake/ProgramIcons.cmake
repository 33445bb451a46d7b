# The program icon in the desktop's hicolor theme: one PNG per size, painted at
# build time by resonara-icon-png from the same pictures the window shows, and
# installed as share/icons/hicolor/<size>x<size>/apps/<desktop id>.png.
#
# REQUIRES: RESONARA_APP_ID set, GNUInstallDirs included.
# Sets RESONARA_ICON_DIR: the built theme tree, laid out as the installed one.

set(RESONARA_ICON_SIZES_px 16 32)
set(RESONARA_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)

set(_resonara_icon_files)
foreach(size IN LISTS RESONARA_ICON_SIZES_px)
  set(apps_dir ${size}x${size}/apps)
  set(png ${RESONARA_ICON_DIR}/${apps_dir}/${RESONARA_APP_ID}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${RESONARA_ICON_DIR}/${apps_dir}
    COMMAND resonara-icon-png ${size} ${png}
    DEPENDS resonara-icon-png
    COMMENT "Painting the ${size}x${size} program icon"
    VERBATIM)
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${apps_dir})
  list(APPEND _resonara_icon_files ${png})
endforeach()
add_custom_target(resonara_icons ALL DEPENDS ${_resonara_icon_files})
