# Lays the shipped files beside the program: levels in tab/, sounds in wav/,
# music in mid/, and an empty sta/ for the scores.
#
# A shipped file is copied when it is missing, or when the copy there is still
# the one we laid last time (its hash is in .shipped); a file the player made
# or changed is never deleted nor overwritten.
#
# cmake -DSOURCE=<assets folder> -DDEST=<program folder> -P lay_program_folder.cmake

foreach(kind tab wav mid)
  file(MAKE_DIRECTORY "${DEST}/${kind}")
  set(manifest "${DEST}/${kind}/.shipped")
  set(laid "")
  if(EXISTS "${manifest}")
    file(STRINGS "${manifest}" laid)
  endif()
  set(new_manifest "")
  file(GLOB shipped RELATIVE "${SOURCE}/${kind}" "${SOURCE}/${kind}/*")
  foreach(name IN LISTS shipped)
    if(IS_DIRECTORY "${SOURCE}/${kind}/${name}")
      continue()
    endif()
    file(SHA256 "${SOURCE}/${kind}/${name}" source_hash)
    set(target "${DEST}/${kind}/${name}")
    set(copy FALSE)
    if(NOT EXISTS "${target}")
      set(copy TRUE)
    else()
      file(SHA256 "${target}" target_hash)
      list(FIND laid "${target_hash}  ${name}" ours)
      if(NOT target_hash STREQUAL source_hash AND ours GREATER -1)
        set(copy TRUE)
      endif()
    endif()
    if(copy)
      file(COPY_FILE "${SOURCE}/${kind}/${name}" "${target}")
    endif()
    file(SHA256 "${target}" laid_hash)
    if(laid_hash STREQUAL source_hash)
      list(APPEND new_manifest "${source_hash}  ${name}")
    endif()
  endforeach()
  list(JOIN new_manifest "\n" text)
  file(WRITE "${manifest}" "${text}\n")
endforeach()
file(MAKE_DIRECTORY "${DEST}/sta")
