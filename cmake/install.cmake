# Installing the programs with their menu entries, icons and metadata. Each program's CMakeLists
# calls vec_install_program(NAME) once; the top CMakeLists calls vec_install_suite() after every
# program, so the suite's metadata and the install test cover exactly the programs that exist.
include(GNUInstallDirs)

set(VEC_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
# Sizes rendered by tools/assets/icons.sh; the desktop's icon theme looks them up by directory.
set(VEC_ICON_SIZES 16 32 48 64 128 256)
# The suite's AppStream id; a reverse domain name, as software centres expect.
set(VEC_APPSTREAM_ID org.example.vectors)

# Installs a program (its pictures are embedded), its menu entry and its icon at every size.
function(vec_install_program program)
  if(NOT TARGET ${program})
    message(FATAL_ERROR "vec_install_program: no program target named ${program}")
  endif()
  set(desktop ${VEC_PACKAGING_DIR}/applications/${program}.desktop)
  set(icon ${VEC_PACKAGING_DIR}/icons/${program}.svg)
  foreach(file ${desktop} ${icon})
    if(NOT EXISTS ${file})
      message(FATAL_ERROR "vec_install_program: ${program} lacks ${file}")
    endif()
  endforeach()

  install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size ${VEC_ICON_SIZES})
    install(FILES ${VEC_PACKAGING_DIR}/icons/${size}/${program}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  # One manual page describes the whole suite; each program's name leads to it.
  if(NOT program STREQUAL "vectors")
    install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1\")
      file(CREATE_LINK vectors.1.gz
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1/${program}.1.gz\" SYMBOLIC)")
  endif()
  set_property(GLOBAL APPEND PROPERTY VEC_INSTALLED_PROGRAMS ${program})
endfunction()

# Compresses a text file as Debian keeps documentation: gzip -9, no name or time stamp inside.
function(vec_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9nc ${source} > ${output}
    DEPENDS ${source} VERBATIM)
endfunction()

# The suite's own files: AppStream metadata naming every installed program, the manual page, the
# package's copyright and changelog, and the test that installs everything into a scratch prefix.
function(vec_install_suite)
  get_property(programs GLOBAL PROPERTY VEC_INSTALLED_PROGRAMS)

  set(VEC_PROVIDED_BINARIES "")
  foreach(program ${programs})
    string(APPEND VEC_PROVIDED_BINARIES "    <binary>${program}</binary>\n")
  endforeach()
  set(metainfo ${CMAKE_BINARY_DIR}/packaging/${VEC_APPSTREAM_ID}.metainfo.xml)
  configure_file(${VEC_PACKAGING_DIR}/vectors.metainfo.xml.in ${metainfo} @ONLY)
  install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  set(out ${CMAKE_BINARY_DIR}/packaging)
  vec_gzip(${VEC_PACKAGING_DIR}/vectors.1 ${out}/vectors.1.gz)
  vec_gzip(${VEC_PACKAGING_DIR}/changelog ${out}/changelog.gz)
  add_custom_target(vec_packaging_docs ALL DEPENDS ${out}/vectors.1.gz ${out}/changelog.gz)
  install(FILES ${out}/vectors.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${VEC_PACKAGING_DIR}/copyright ${out}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})

  if(BUILD_TESTING)
    add_test(NAME install.tree
      COMMAND ${VEC_PACKAGING_DIR}/check_install.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR}
        ${VEC_APPSTREAM_ID} ${programs})
    set_tests_properties(install.tree PROPERTIES TIMEOUT 120)
  endif()
endfunction()
