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
