# KX_SANITIZE builds everything with AddressSanitizer and UndefinedBehaviorSanitizer.
# Undefined behaviour is made fatal so a test that triggers it fails.
if(KX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
