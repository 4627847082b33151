# What `cmake --install` puts in place: the programs, their manual pages (made from each
# program's --help at build time), and the panel's desktop entry, icon and AppStream data.
include(GNUInstallDirs)

set(VX_APP_ID com.tavrelkessway.vxpanel)
# The day the release named by the project version was made; moves with the version.
set(VX_RELEASE_DATE 2026-12-10)

# Runs once the top-level CMakeLists.txt has been read to its end, so that a program defined
# anywhere in it (vxctl among them) is installed.
function(vx_install_programs)
  set(VX_MAN_SUMMARY_vxpanel "control panel of the Vextaro video crosspoint switcher")
  set(VX_MAN_SUMMARY_vxsim "simulator of the Vextaro video crosspoint switcher")
  set(VX_MAN_SUMMARY_vxctl "command-line control of the Vextaro video crosspoint switcher")

  set(VX_PROVIDED_BINARIES "")
  set(VX_MAN_PAGES "")
  foreach(program vxpanel vxsim vxctl)
    if(NOT TARGET ${program})
      continue()
    endif()
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    string(APPEND VX_PROVIDED_BINARIES "    <binary>${program}</binary>\n")
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
    add_custom_command(
      OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/manpage.sh $<TARGET_FILE:${program}> ${program}
              ${PROJECT_VERSION} "${VX_MAN_SUMMARY_${program}}" ${page}
      DEPENDS ${program} ${CMAKE_SOURCE_DIR}/cmake/manpage.sh
      COMMENT "Writing the manual page of ${program}"
      VERBATIM)
    list(APPEND VX_MAN_PAGES ${page})
  endforeach()
  if(VX_MAN_PAGES)
    add_custom_target(manpages ALL DEPENDS ${VX_MAN_PAGES})
    install(FILES ${VX_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()

  if(TARGET vxpanel)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${VX_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${VX_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VX_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${CMAKE_BINARY_DIR}/${VX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  endif()
endfunction()
cmake_language(DEFER CALL vx_install_programs)

# The copyright notice and the changelog, where a Debian package keeps them
# (share/doc/vxcontrol); the changelog gzipped without a time stamp, so that it is the same
# from build to build.
set(VX_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${VX_CHANGELOG}
  COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${PROJECT_SOURCE_DIR}/packaging/changelog ${VX_CHANGELOG}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${VX_CHANGELOG})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${VX_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DOCDIR})

# vxctl serve as a service, installed and not enabled: its options come from
# /etc/default/vxctl-serve, of which the package gives an example.
if(VX_BUILD_GUI)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/vxctl-serve.service DESTINATION lib/systemd/system)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/vxctl-serve.default DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
endif()
