# Writes the Qt image plugin's metadata from the format table: cmake -DPROGRAM=... -DOUTPUT=...
# -P qt_plugin_json.cmake. Qt matches a file's suffix against Keys and lists MimeTypes in
# parallel with them, so every picture extension (picture_extensions.cmake) is a key with our
# MIME type beside it.
include(${CMAKE_CURRENT_LIST_DIR}/picture_extensions.cmake)
velora_picture_extensions(${PROGRAM} extensions)
set(keys "")
set(types "")
foreach(extension ${extensions})
  string(APPEND keys "\"${extension}\", ")
  string(APPEND types "\"image/x-c64-picture\", ")
endforeach()
string(REGEX REPLACE ", $" "" keys "${keys}")
string(REGEX REPLACE ", $" "" types "${types}")
file(WRITE ${OUTPUT}.new "{\n  \"Keys\": [ ${keys} ],\n  \"MimeTypes\": [ ${types} ]\n}\n")
# Unchanged metadata leaves the plugin's moc output alone.
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
