# Writes the desktop's file types from the format table: cmake -DPROGRAM=... -DTEMPLATE=...
# -DOUTPUT=... -P mime_xml.cmake. Every picture extension (picture_extensions.cmake) becomes a
# glob of image/x-c64-picture.
include(${CMAKE_CURRENT_LIST_DIR}/picture_extensions.cmake)
velora_picture_extensions(${PROGRAM} extensions)
set(PICTURE_GLOBS "")
foreach(extension ${extensions})
  string(APPEND PICTURE_GLOBS "    <glob pattern=\"*.${extension}\"/>\n")
endforeach()
string(REGEX REPLACE "\n$" "" PICTURE_GLOBS "${PICTURE_GLOBS}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
