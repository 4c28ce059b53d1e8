# Writes the desktop's file types from the format table: cmake -DPROGRAM=... -DTEMPLATE=...
# -DOUTPUT=... -P mime_xml.cmake. Every extension of `velora2003 formats` becomes a glob of
# image/x-c64-picture, but those that freedesktop.org.xml already gives to another type: a
# second claim would make the desktop guess between the two.
set(taken_by_the_desktop
  fli  # video/x-flic, Autodesk animations
  gb   # application/x-gameboy-rom
  gg   # application/x-gamegear-rom
  gih  # image/x-gimp-gih, GIMP brush pipes
  rp   # image/vnd.rn-realpix
  rpm  # application/x-rpm, RPM packages
)
execute_process(COMMAND ${PROGRAM} formats OUTPUT_VARIABLE table RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} formats failed: ${status}")
endif()
set(extensions vic)
string(REPLACE "\n" ";" lines "${table}")
foreach(line ${lines})
  string(REPLACE "\t" ";" columns "${line}")
  list(GET columns 4 named)
  if(NOT named STREQUAL "-")
    string(REPLACE "," ";" named "${named}")
    list(APPEND extensions ${named})
  endif()
endforeach()
list(REMOVE_DUPLICATES extensions)
# Extensions too common among other files to claim for C64 pictures on the desktop.
set(too_common
  g    # grammars and other sources
)
list(REMOVE_ITEM extensions ${taken_by_the_desktop} ${too_common})
list(SORT extensions)
set(PICTURE_GLOBS "")
foreach(extension ${extensions})
  string(APPEND PICTURE_GLOBS "    <glob pattern=\"*.${extension}\"/>\n")
endforeach()
string(REGEX REPLACE "\n$" "" PICTURE_GLOBS "${PICTURE_GLOBS}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
