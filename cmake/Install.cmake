# `cmake --install` and the Debian package put the program where Debian puts
# games: the program in <prefix>/games, the pictures, sounds and cursors in
# <prefix>/share/games, the data files and the pupils' results in
# /var/games/vevider-zuduzad, and /etc/VEVIDER.INI naming both folders.
#
# The results files are shared by every account of the computer. They are
# made writable for everyone once, by the first installation (the package's
# postinst, or the "results" component of `cmake --install`), and are never
# part of the package, so an upgrade or a reinstall cannot overwrite them.
# Their folder stays the administrator's: the program writes them in place.

set(VZ_INSTALL_NAME vevider-zuduzad)
set(VZ_INSTALL_RES share/games/${VZ_INSTALL_NAME}/res)
set(VZ_INSTALL_DATA /var/games/${VZ_INSTALL_NAME})
set(VZ_APP_ID sk.vevider.Zuduzad)

install(TARGETS vevider RUNTIME DESTINATION games COMPONENT program)
# The printing library is installed as a target, so the package strips it too.
install(TARGETS Ravad LIBRARY DESTINATION ${VZ_INSTALL_RES} COMPONENT program)
install(DIRECTORY ${VZ_RES_DIR}/ DESTINATION ${VZ_INSTALL_RES} COMPONENT program
        PATTERN font EXCLUDE PATTERN libRavad.so EXCLUDE)
install(FILES ${VZ_DATA_DIR}/data.dat ${VZ_DATA_DIR}/Znamky.dat
        DESTINATION ${VZ_INSTALL_DATA} COMPONENT program)

# The typeface comes from the fonts-liberation2 package, linked rather than copied.
install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VZ_INSTALL_RES}/font\")
    foreach(font ${VZ_FONTS})
        get_filename_component(name \${font} NAME)
        file(CREATE_LINK \${font} \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VZ_INSTALL_RES}/font/\${name}\" SYMBOLIC)
    endforeach()
    # Relative to /etc, so the same file serves an installation under DESTDIR.
    file(WRITE \"\$ENV{DESTDIR}/etc/VEVIDER.INI\"
        \"; Vevider Zuduzad: resource and data folders, relative to this file's folder.\\r\\n[DID1]\\r\\nCD=..\${CMAKE_INSTALL_PREFIX}/${VZ_INSTALL_RES}\\r\\nHD=..${VZ_INSTALL_DATA}\\r\\n\")
" COMPONENT program)

install(FILES packaging/${VZ_APP_ID}.desktop DESTINATION share/applications COMPONENT program)
install(FILES packaging/${VZ_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps
        COMPONENT program)
install(FILES packaging/${VZ_APP_ID}.metainfo.xml DESTINATION share/metainfo COMPONENT program)

install(CODE "
    set(dir \"\$ENV{DESTDIR}${VZ_INSTALL_DATA}\")
    foreach(name tab.dat Vysledky.dat)
        if(NOT EXISTS \"\${dir}/\${name}\")
            file(WRITE \"\${dir}/\${name}\" \"\")
            file(CHMOD \"\${dir}/\${name}\" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ
                 GROUP_WRITE WORLD_READ WORLD_WRITE)
        endif()
    endforeach()
" COMPONENT results)

# The Debian package: `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VZ_INSTALL_NAME})
set(CPACK_PACKAGE_VENDOR "Vevider Zuduzad")
set(CPACK_PACKAGE_CONTACT "Vevider Zuduzad <vevider@zuduzad.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "German drills for Slovak pupils")
set(CPACK_PACKAGE_DESCRIPTION "29 games in seven groups (verbs, pronouns, nouns and articles, \
prepositions, sentences, numbers and time, vocabulary) for pupils who learn German at school \
and whose language of instruction is Slovak, with grades, best-results tables and a results \
log shared by every account of the computer.")
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};program;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see them. Fitting the stage to the
# screen uses Qt's scaling from inside, which holds for one Qt version only.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, qt6-qpa-plugins, qt6-translations-l10n, libqt6multimedia6, \
qt6-base-abi (= ${Qt6_VERSION})")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_SOURCE_DIR}/packaging/debian/postinst ${CMAKE_SOURCE_DIR}/packaging/debian/postrm
    ${CMAKE_SOURCE_DIR}/packaging/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
