# Our ELF files carry a version record (an ELF note) with the project's version; the About
# window reads it back. clipstash_add_version_note(<target>) adds it to a program or module.
set(CLIPSTASH_BUILD_NUMBER 0 CACHE STRING "Fourth part of the version record")

# Parts the project version leaves out (1.2) count as 0.
foreach(part MAJOR MINOR PATCH)
    set(CLIPSTASH_VERSION_${part} ${PROJECT_VERSION_${part}})
    if(CLIPSTASH_VERSION_${part} STREQUAL "")
        set(CLIPSTASH_VERSION_${part} 0)
    endif()
endforeach()
foreach(value IN ITEMS ${CLIPSTASH_VERSION_MAJOR} ${CLIPSTASH_VERSION_MINOR}
        ${CLIPSTASH_VERSION_PATCH} ${CLIPSTASH_BUILD_NUMBER})
    if(NOT value MATCHES "^[0-9]+$" OR value GREATER 65535)
        message(FATAL_ERROR "Version parts must be 0 to 65535, not '${value}'")
    endif()
endforeach()

configure_file(${CMAKE_CURRENT_LIST_DIR}/versionnote.c.in
    ${CMAKE_BINARY_DIR}/generated/versionnote.c @ONLY)

function(clipstash_add_version_note target)
    target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/generated/versionnote.c)
endfunction()
