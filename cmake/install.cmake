# `cmake --install`: the game as a desktop application. The program goes to
# bin/, what it ships to share/drippo/ (where it looks for them, beside bin/),
# with its menu entry, icon, file type and software-centre metadata.
# `cpack` makes a Debian package of the same tree.

set(drippo_id org.drippo.Drippo)
set(drippo_packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS drippo RUNTIME DESTINATION bin)
foreach(kind tab wav mid)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/${kind}/ DESTINATION share/drippo/${kind})
endforeach()
install(FILES ${drippo_packaging}/${drippo_id}.desktop DESTINATION share/applications)
install(FILES ${drippo_packaging}/${drippo_id}.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${drippo_packaging}/${drippo_id}.mime.xml DESTINATION share/mime/packages RENAME ${drippo_id}.xml)
configure_file(${drippo_packaging}/${drippo_id}.metainfo.xml ${PROJECT_BINARY_DIR}/${drippo_id}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${drippo_id}.metainfo.xml DESTINATION share/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drippo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "water puzzle game with a level editor")
set(CPACK_PACKAGE_DESCRIPTION "Place platforms, pipes and other pieces so that the water fills every goal.\nLevels are plain files that players make in the editor and share.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Drippo maintainers <maintainers@users.noreply.c-seed-f6df0be8.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The window needs a platform plugin, which no library of ours links; the
# music sounds only with a soundfont.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "timgm6mb-soundfont | fluid-soundfont-gm")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "${CPACK_DEBIAN_PACKAGE_DEPENDS}, libqt6widgets6, libqt6svg6, libsdl2-2.0-0, libsdl2-mixer-2.0-0")
endif()
include(CPack)
