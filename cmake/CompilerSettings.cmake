# Warnings for every target of the project; sanitizers for the checking builds.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(VARDOLIN_WARNINGS_AS_ERRORS)
    add_compile_options(-Werror)
endif()

# Figures must be the same to the last digit in every build, whatever the compiler and the
# optimisation level: no fused multiply-add where the source writes a product and a sum (clang
# contracts by default), and nothing that lets the compiler reorder or relax IEEE arithmetic.
add_compile_options(-ffp-contract=off)
string(TOUPPER "${CMAKE_BUILD_TYPE}" _vardolin_build_type)
foreach(_vardolin_flags IN ITEMS "${CMAKE_CXX_FLAGS}" "${CMAKE_CXX_FLAGS_${_vardolin_build_type}}")
    if(_vardolin_flags MATCHES "-Ofast|-ffast-math|-funsafe-math-optimizations|-ffp-contract=(fast|on)")
        message(FATAL_ERROR "Compiler flags that relax IEEE arithmetic change the figures: ${_vardolin_flags}")
    endif()
endforeach()

# The analyses let infinities and NaN arise in floating-point arithmetic and then catch them
# with their own status tests, so a floating-point division by zero is defined behaviour here
# (IEEE 754), not a finding. Every other check stays on and stops at its first report.
set(VARDOLIN_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize=float-divide-by-zero
                             -fno-sanitize-recover=all -fno-omit-frame-pointer)
if(VARDOLIN_SANITIZE OR VARDOLIN_FUZZ)
    add_compile_options(${VARDOLIN_SANITIZER_FLAGS})
    add_link_options(${VARDOLIN_SANITIZER_FLAGS})
endif()
# The slice run's worker threads share only atomics and read-only inputs; ThreadSanitizer
# checks that. It cannot be combined with AddressSanitizer.
if(VARDOLIN_TSAN)
    if(VARDOLIN_SANITIZE OR VARDOLIN_FUZZ)
        message(FATAL_ERROR "VARDOLIN_TSAN cannot be combined with VARDOLIN_SANITIZE or VARDOLIN_FUZZ")
    endif()
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()
if(VARDOLIN_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "The fuzz targets need clang (CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
