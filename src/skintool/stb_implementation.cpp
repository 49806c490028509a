// The one place stb_image_write's code is compiled; the other files include its declarations only. Pictures are
// decoded elsewhere, by maintained libraries: stb_image is not written for files from strangers.
#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
