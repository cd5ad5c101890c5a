add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)

if(WIN32)
  # Plain doubles live in SSE registers, so nothing is silently kept in x87
  # extended precision; the x87 is used only where long double is written.
  add_compile_options(-msse2 -mfpmath=sse)
  # The program ships as one small executable: optimise for size and let the
  # linker drop every function and constant that nothing references.
  add_compile_options(-Os -ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# The program's own code (calc, ui, app) is built for Windows without C++
# exceptions: nothing in it throws or catches, and ppicalc.exe replaces the
# runtime's failure paths (app/runtime_failures.cpp), so the exception
# machinery and what it pulls in stay out of the executable. Called at the top
# of those folders' CMakeLists; their subfolders inherit it. Native builds keep
# the defaults.
macro(ppicalc_program_code_without_exceptions)
  if(WIN32)
    add_compile_options(-fno-exceptions -fno-asynchronous-unwind-tables)
  endif()
endmacro()

if(PPICALC_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
