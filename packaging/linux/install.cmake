# What a Debian system expects beside the executable: the desktop entry and
# its icon, the AppStream metadata, the manual page, and per package the
# copyright and the changelog. The manual page and the changelog are
# installed compressed, as `gzip -9n` makes them: without a name or a time
# stamp, so that two builds give the same bytes.
set(kavrin_linux ${PROJECT_SOURCE_DIR}/packaging/linux)
set(kavrin_packaging_out ${PROJECT_BINARY_DIR}/packaging)
# The desktop entry's name is the AppStream id: software centres find the
# application's metadata by it.
set(KAVRIN_APP_ID org.kavrinmac.KavrinMac)

function(kavrin_gzip source name)
    set(copy ${kavrin_packaging_out}/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${source} VERBATIM)
    set_property(GLOBAL APPEND PROPERTY kavrin_gzipped ${copy}.gz)
endfunction()

kavrin_gzip(${kavrin_linux}/kavrinmac.1 kavrinmac.1)
kavrin_gzip(${kavrin_linux}/changelog changelog.Debian)
get_property(kavrin_gzipped GLOBAL PROPERTY kavrin_gzipped)
add_custom_target(kavrin_packaging_files ALL DEPENDS ${kavrin_gzipped})

install(FILES ${kavrin_linux}/${KAVRIN_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT application)
install(FILES ${PROJECT_SOURCE_DIR}/src/resources/graphics/common_icons/app_icon.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
    RENAME kavrinmac.png COMPONENT application)
install(FILES ${kavrin_linux}/${KAVRIN_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT application)
# The executable is KavrinMac; `man kavrinmac` finds the page too.
install(FILES ${kavrin_packaging_out}/kavrinmac.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT application)
file(MAKE_DIRECTORY ${kavrin_packaging_out})
file(CREATE_LINK kavrinmac.1.gz ${kavrin_packaging_out}/KavrinMac.1.gz SYMBOLIC)
install(FILES ${kavrin_packaging_out}/KavrinMac.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT application)

# What each Debian package carries of its own: its copyright and changelog,
# and the lintian tags it overrides (each with the reason in the file).
function(kavrin_install_package_files component package)
    install(FILES ${kavrin_linux}/copyright ${kavrin_packaging_out}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
    install(FILES ${kavrin_linux}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${package} COMPONENT ${component})
endfunction()
