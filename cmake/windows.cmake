# Compiler settings for the Windows targets: small, static, no exceptions.
enable_language(RC)

if(MSVC)
  add_compile_options(/W4 /permissive- /GR- /EHs-c- /D_HAS_EXCEPTIONS=0)
else()
  add_compile_options(-Wall -Wextra -Wno-missing-field-initializers -Os -fno-exceptions -fno-rtti
                      -ffunction-sections -fdata-sections)
  add_link_options(-static -Wl,--gc-sections -s)
endif()
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601)

