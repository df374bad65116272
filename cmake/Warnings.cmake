# Warnings as errors unless VORN_WARNINGS_AS_ERRORS is turned off (e.g. with a
# newer compiler that warns about something new, to get a build first).
option(VORN_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" ON)

function(vorn_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wno-missing-field-initializers)
  if(VORN_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
