# -DVARNEL_FUZZ=ON builds the libFuzzer targets of fuzz/ (clang only). Everything, the core
# included, is then built with coverage instrumentation, AddressSanitizer and
# UndefinedBehaviorSanitizer, every sanitizer finding ending the run; only the fuzz targets link
# libFuzzer's own main. scripts/fuzz.sh configures such a build in build-fuzz/ and runs them.
if(VARNEL_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "VARNEL_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
