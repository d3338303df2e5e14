# Warnings are set per target so that only our own code is held to them.
function(qor_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
  if(WITH_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
