# Flags shared by every target of every build.
#
# -ffp-contract=off keeps every product and sum rounded as written, so all
# targets compute the same numbers (no fused multiply-add on one of them).
add_compile_options(-ffp-contract=off)
if(QZ_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(QZ_BUILD_FUZZERS)
  # Coverage feedback for libFuzzer and the sanitizers in every object the
  # fuzz targets link; the targets add libFuzzer's main themselves.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
