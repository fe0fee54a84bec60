# KPX_SANITIZE=address builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# KPX_SANITIZE=thread with ThreadSanitizer. Everything, JUCE included, is built with it,
# so that the runtime sees every access.
set (KPX_SANITIZE "" CACHE STRING "Sanitizer build: empty, address or thread")

if (KPX_SANITIZE STREQUAL "address")
    add_compile_options (-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options (-fsanitize=address,undefined)
elseif (KPX_SANITIZE STREQUAL "thread")
    add_compile_options (-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options (-fsanitize=thread)
elseif (NOT KPX_SANITIZE STREQUAL "")
    message (FATAL_ERROR "KPX_SANITIZE must be empty, address or thread")
endif()

# KPX_FUZZ builds everything for libFuzzer (clang only): instrumented for coverage, with
# AddressSanitizer and UndefinedBehaviorSanitizer; the fuzz targets alone link libFuzzer's driver.
option (KPX_FUZZ "Build the fuzz targets for libFuzzer (needs clang)" OFF)

if (KPX_FUZZ)
    if (NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message (FATAL_ERROR "KPX_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang")
    endif()

    add_compile_options (-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options (-fsanitize=address,undefined)
endif()
