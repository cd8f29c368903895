# The sanitizer build is a configuration of the one build script, not a copy of it.
if(ROSBA_SANITIZE)
  set(_rosba_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${_rosba_san})
  add_link_options(${_rosba_san})
endif()
