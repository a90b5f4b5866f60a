# Warnings for every target of the project; sanitizers for the checking build.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(VARDOLIN_WARNINGS_AS_ERRORS)
    add_compile_options(-Werror)
endif()

if(VARDOLIN_SANITIZE)
    # The analyses rely on infinities and NaN being produced and then caught by their
    # own status tests, so floating-point division by zero must not count as undefined.
    set(_vardolin_san -fsanitize=address,undefined -fno-sanitize=float-divide-by-zero
                      -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${_vardolin_san})
    add_link_options(${_vardolin_san})
endif()
