option(MAGE_POWER_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(MAGE_POWER_FUZZ "Build the fuzz targets with libFuzzer (clang only); implies MAGE_POWER_SANITIZE" OFF)

if(MAGE_POWER_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "MAGE_POWER_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    set(MAGE_POWER_SANITIZE ON)
    # Coverage feedback for all of the program's code; the fuzz targets add libFuzzer's main.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(MAGE_POWER_SANITIZE)
    # Any finding stops the process, so that a test or a fuzz run cannot pass over it.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
