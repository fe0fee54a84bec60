# The JUCE modules are compiled once, into one static library that the program,
# the tools and the tests all link. Compiling them per target would cost minutes each.
add_library (kpx_juce STATIC)

target_link_libraries (kpx_juce
    PRIVATE
        juce::juce_core
        juce::juce_events
        juce::juce_data_structures
        juce::juce_graphics
        juce::juce_gui_basics
        juce::juce_gui_extra
    PUBLIC
        juce::juce_recommended_config_flags)

target_compile_definitions (kpx_juce
    PUBLIC
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_STANDALONE_APPLICATION=1
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_REPORT_APP_USAGE=0
        JUCE_USE_XSHM=1
        JUCE_MODAL_LOOPS_PERMITTED=1)

# Hand the modules' include paths and switches on to every consumer, as system
# headers so that -Wextra on our code does not report JUCE's own lines.
target_include_directories (kpx_juce SYSTEM INTERFACE $<TARGET_PROPERTY:kpx_juce,INCLUDE_DIRECTORIES>)
target_compile_definitions (kpx_juce INTERFACE $<TARGET_PROPERTY:kpx_juce,COMPILE_DEFINITIONS>)
