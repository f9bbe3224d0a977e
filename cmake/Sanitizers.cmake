# The sanitizer build instruments everything, Qt excepted, so faults in our own code abort the test run.
if(VORN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
