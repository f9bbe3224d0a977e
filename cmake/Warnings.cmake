# Every target of the project links vorn_warnings, so the same diagnostics apply everywhere.
add_library(vorn_warnings INTERFACE)
target_compile_options(vorn_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-qual -Wformat=2 -Wimplicit-fallthrough -Wmissing-declarations)
if(VORN_WERROR)
    target_compile_options(vorn_warnings INTERFACE -Werror)
endif()
