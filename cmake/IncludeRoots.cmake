# Each library sees only the source folders (or single headers, "folder/file.h") it may use. A folder is offered through a directory of
# its own under build/include-roots/<target>/ holding a link named after the folder, so
# `#include "core/x.h"` compiles only in a target that links the library that offers core/.
# Linking carries the offered folders upward; nothing carries them down, so an include that
# points up the layers fails to compile.
function(qby_offer_folders target visibility)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${target})
  file(MAKE_DIRECTORY ${root})
  foreach(folder ${ARGN})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT IS_SYMLINK ${root}/${folder})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} ${visibility} ${root})
endfunction()
