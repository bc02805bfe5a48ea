# Makes build/stage/ a complete installation: the pictures' drawings, cursors, sounds and
# the font under res/, the data files under data/, and VEVIDER.INI naming both.

set(VZ_ASSETS_DIR ${CMAKE_SOURCE_DIR}/assets)
set(VZ_CONTENT_DIR ${CMAKE_SOURCE_DIR}/content)
set(VZ_FONT_DIR /usr/share/fonts/truetype/liberation2)
set(VZ_FONTS ${VZ_FONT_DIR}/LiberationSans-Regular.ttf ${VZ_FONT_DIR}/LiberationSans-Bold.ttf)

# Pictures and cursors from the SVG sources: the pictures as compressed SVG
# under res/svg/ (the program draws them for the screen's density), the
# cursors rendered. res/bmp/ is for a school's own pictures only; the bitmaps
# earlier builds rendered there would hide the drawings, so they go.
file(GLOB_RECURSE VZ_SVG_SOURCES CONFIGURE_DEPENDS ${VZ_ASSETS_DIR}/*.svg)
file(GLOB VZ_PICTURE_LISTS CONFIGURE_DEPENDS ${VZ_ASSETS_DIR}/*.list)
list(JOIN VZ_PICTURE_LISTS "," VZ_PICTURE_LIST_ARG)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/pictures.stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${VZ_RES_DIR}/bmp ${VZ_RES_DIR}/svg
    COMMAND vz_render_pictures ${VZ_ASSETS_DIR} ${VZ_RES_DIR} ${VZ_PICTURE_LIST_ARG} ${VZ_FONTS}
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/pictures.stamp
    DEPENDS vz_render_pictures ${VZ_PICTURE_LISTS} ${VZ_SVG_SOURCES}
    COMMENT "Writing the pictures' drawings and the cursors")

# Interface sounds, synthesised from their recipes.
set(VZ_SOUNDS click enter)
set(VZ_SOUND_ARGS)
set(VZ_SOUND_FILES)
foreach(sound IN LISTS VZ_SOUNDS)
    list(APPEND VZ_SOUND_ARGS ${VZ_ASSETS_DIR}/sounds/${sound}.txt ${VZ_RES_DIR}/sound/${sound}.wav)
    list(APPEND VZ_SOUND_FILES ${VZ_RES_DIR}/sound/${sound}.wav)
endforeach()
add_custom_command(
    OUTPUT ${VZ_SOUND_FILES}
    COMMAND vz_make_sounds ${VZ_SOUND_ARGS}
    DEPENDS vz_make_sounds ${VZ_ASSETS_DIR}/sounds/click.txt ${VZ_ASSETS_DIR}/sounds/enter.txt
    COMMENT "Synthesising interface sounds")

# The typeface every screen uses.
set(VZ_FONT_FILES)
foreach(font IN LISTS VZ_FONTS)
    get_filename_component(name ${font} NAME)
    add_custom_command(
        OUTPUT ${VZ_RES_DIR}/font/${name}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${font} ${VZ_RES_DIR}/font/${name}
        DEPENDS ${font})
    list(APPEND VZ_FONT_FILES ${VZ_RES_DIR}/font/${name})
endforeach()

# The German content: one file per game, packed into data.dat.
set(VZ_CONTENT_FILES
    ${VZ_CONTENT_DIR}/1a.txt
    ${VZ_CONTENT_DIR}/3c.txt
    ${VZ_CONTENT_DIR}/4c.txt
    ${VZ_CONTENT_DIR}/1b.txt
    ${VZ_CONTENT_DIR}/1d.txt
    ${VZ_CONTENT_DIR}/1e.txt
    ${VZ_CONTENT_DIR}/3d.txt
    ${VZ_CONTENT_DIR}/7b.txt
    ${VZ_CONTENT_DIR}/7c.txt
    ${VZ_CONTENT_DIR}/3a.txt
    ${VZ_CONTENT_DIR}/7a.txt
    ${VZ_CONTENT_DIR}/4d.txt
    ${VZ_CONTENT_DIR}/5a.txt
    ${VZ_CONTENT_DIR}/3b.txt
    ${VZ_CONTENT_DIR}/2a.txt
    ${VZ_CONTENT_DIR}/4b.txt
    ${VZ_CONTENT_DIR}/2c.txt
    # dictation drills
    ${VZ_CONTENT_DIR}/5c.txt
    # number tile drills
    ${VZ_CONTENT_DIR}/6a.txt
    ${VZ_CONTENT_DIR}/6d.txt
    # clock drill
    ${VZ_CONTENT_DIR}/6c.txt
    # answer drill
    ${VZ_CONTENT_DIR}/5b.txt
    # vocabulary drill
    ${VZ_CONTENT_DIR}/7e.txt
    ${VZ_CONTENT_DIR}/2b.txt
    ${VZ_CONTENT_DIR}/4a.txt
    ${VZ_CONTENT_DIR}/7d.txt
    ${VZ_CONTENT_DIR}/1c.txt
    ${VZ_CONTENT_DIR}/1f.txt
)
add_custom_command(
    OUTPUT ${VZ_DATA_DIR}/data.dat
    COMMAND vz_pack_content --scrambled ${VZ_DATA_DIR}/data.dat ${VZ_CONTENT_FILES}
    DEPENDS vz_pack_content ${VZ_CONTENT_FILES}
    COMMENT "Packing the German content into data.dat")
add_custom_command(
    OUTPUT ${VZ_DATA_DIR}/Znamky.dat
    COMMAND vz_pack_content --plain ${VZ_DATA_DIR}/Znamky.dat ${VZ_CONTENT_DIR}/Znamky.txt
    DEPENDS vz_pack_content ${VZ_CONTENT_DIR}/Znamky.txt
    COMMENT "Writing the grade bands")

# speech
# German speech for the listening drills: espeak-ng speaks every dictation
# sentence and every numeral into the wave file the drill plays. The tool skips
# a content file that is not there and speaks again only what changed; the glob
# notices a content file that appears later.
file(GLOB VZ_SPEECH_CONTENT CONFIGURE_DEPENDS ${VZ_CONTENT_DIR}/5c.txt ${VZ_CONTENT_DIR}/6a.txt)
find_program(VZ_ESPEAK espeak-ng)
if(NOT VZ_ESPEAK)
    set(VZ_ESPEAK espeak-ng) # the tool reports it missing when there is something to speak
endif()
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/speech.stamp
    COMMAND vz_make_speech --espeak ${VZ_ESPEAK} --reference ${VZ_RES_DIR}/sound/click.wav
            --state ${CMAKE_BINARY_DIR}/speech
            --dictation ${VZ_CONTENT_DIR}/5c.txt ${VZ_RES_DIR}/sound/dikt
            --numerals ${VZ_CONTENT_DIR}/6a.txt ${VZ_RES_DIR}/sound/cis
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/speech.stamp
    DEPENDS vz_make_speech ${VZ_SPEECH_CONTENT} ${VZ_RES_DIR}/sound/click.wav
    COMMENT "Speaking the dictation sentences and numerals")

# tab.dat and Vysledky.dat hold the pupils' results: made empty only when
# missing, never overwritten by a build.
add_custom_target(vz_result_files ALL
    COMMAND ${CMAKE_COMMAND} -DDATA_DIR=${VZ_DATA_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/MakeResultFiles.cmake)

file(WRITE ${VZ_STAGE_DIR}/VEVIDER.INI "[DID1]\r\nCD=res\r\nHD=data\r\n")

add_custom_target(vz_installation ALL
    DEPENDS ${CMAKE_BINARY_DIR}/pictures.stamp ${VZ_SOUND_FILES} ${VZ_FONT_FILES}
            ${VZ_DATA_DIR}/data.dat ${VZ_DATA_DIR}/Znamky.dat vevider
            ${CMAKE_BINARY_DIR}/speech.stamp)
add_dependencies(vz_installation vz_result_files)
