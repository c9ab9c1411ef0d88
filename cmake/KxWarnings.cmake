# Warnings are on and fatal for the project's own code.
function(kx_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Werror
    -Wshadow -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual
    -Wnull-dereference -Wimplicit-fallthrough -Wformat=2
    -Wno-missing-field-initializers)
endfunction()
