# What the package installs besides the program: the menu entry, the icon at
# every size, the manual page, the copyright and the changelog; and the
# Debian package itself (CPack's DEB generator, built by scripts/package).
include(GNUInstallDirs)

find_program(TAVOLUX_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(TAVOLUX_GZIP gzip REQUIRED)

# The icon is drawn once, as tavolux.svg; every PNG size is made from it.
# The windows take their icon from the same PNGs (see shell/).
set(TAVOLUX_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/tavolux.svg)
set(TAVOLUX_ICON_DIR ${CMAKE_BINARY_DIR}/packaging/icons)
set(TAVOLUX_ICON_PNGS)
foreach(size IN ITEMS 16 32 48 64 128 256)
  set(dir ${TAVOLUX_ICON_DIR}/${size}x${size}/apps)
  add_custom_command(OUTPUT ${dir}/tavolux.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${TAVOLUX_RSVG_CONVERT} -w ${size} -h ${size} -o ${dir}/tavolux.png ${TAVOLUX_ICON_SVG}
    DEPENDS ${TAVOLUX_ICON_SVG} VERBATIM)
  list(APPEND TAVOLUX_ICON_PNGS ${dir}/tavolux.png)
  install(FILES ${dir}/tavolux.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(tavolux_icons ALL DEPENDS ${TAVOLUX_ICON_PNGS})

# The manual page and the changelog are installed compressed, with no name
# or time stamp in the gzip header.
set(doc_dir ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tavolux.1 ${doc_dir}/tavolux.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${doc_dir}/changelog COPYONLY)
foreach(file IN ITEMS tavolux.1 changelog)
  add_custom_command(OUTPUT ${doc_dir}/${file}.gz
    COMMAND ${TAVOLUX_GZIP} -9nkf ${doc_dir}/${file}
    DEPENDS ${doc_dir}/${file} VERBATIM)
endforeach()
add_custom_target(tavolux_docs ALL DEPENDS ${doc_dir}/tavolux.1.gz ${doc_dir}/changelog.gz)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tavolux.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAVOLUX_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${doc_dir}/tavolux.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${doc_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavolux)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")
set(CPACK_PACKAGE_NAME tavolux)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Seed c2a962ec maintainers <maintainers@users.noreply.c-seed-c2a962ec.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "BASIC development environment for the PIC16F84A")
set(CPACK_PACKAGE_DESCRIPTION "\
Tavolux is a small desktop environment for writing programs for the
PIC16F84A micro-controller in a BASIC dialect. The translator turns the
whole program into the complete assembly source for the chip, ready for
gpasm or the chip maker's assembler. Around it stand a backup archive of
sources, a help viewer with the chip's pin-out, example programs, and
calculators for the timer interrupt and for delays and tones.
The windows, messages and help are in Italian.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The windows are laid out on the metrics of the faces the Liberation fonts
# stand in for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS gputils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
