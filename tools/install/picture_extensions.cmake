# The extensions the desktop learns to give image/x-c64-picture: "vic" and every extension of
# `velora2003 formats`, but those that freedesktop.org.xml already gives to another type: a
# second claim would make the desktop guess between the two. Include it, then call
# velora_picture_extensions(PROGRAM VARIABLE).
set(taken_by_the_desktop
  a    # application/x-archive, static libraries
  cs   # text/x-csharp, C# sources
  fli  # video/x-flic, Autodesk animations
  gb   # application/x-gameboy-rom
  gg   # application/x-gamegear-rom
  gih  # image/x-gimp-gih, GIMP brush pipes
  mup  # text/x-mup, Mup music scores
  rp   # image/vnd.rn-realpix
  rpm  # application/x-rpm, RPM packages
  spd  # application/x-font-speedo, Speedo fonts
)

function(velora_picture_extensions program variable)
  execute_process(COMMAND ${program} formats OUTPUT_VARIABLE table RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} formats failed: ${status}")
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
  set(${variable} ${extensions} PARENT_SCOPE)
endfunction()
