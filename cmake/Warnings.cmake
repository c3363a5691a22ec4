# Our own targets get the full warning set; third-party headers stay quiet.
function(qalcor_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /utf-8)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
        # GCC 12 reports a false -Wrestrict inside libstdc++'s std::string assignment at -O2
        # (GCC bug 105329); it says nothing about our code.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(${target} PRIVATE -Wno-restrict)
        endif()
    endif()
endfunction()
