# Native build of the logic that needs no window system, under AddressSanitizer
# and UndefinedBehaviorSanitizer, with a libFuzzer target when the compiler is clang.
set(QUORVEL_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all)
add_compile_options(-Wall -Wextra -Wno-missing-field-initializers -g -O1 -fno-omit-frame-pointer ${QUORVEL_SANITIZERS})
add_link_options(${QUORVEL_SANITIZERS})
