// The memory policy at a screen's close: empty picture caches and a trimmed heap.
#include "game/forms/memory_policy.h"

#include "game/forms/picture_cache.h"
#include "game/forms/scaled_pictures.h"

#if defined(__GLIBC__)  // known once a C library header is in
#include <malloc.h>
#endif

namespace forms {

void GiveBackScreenMemory() {
  LoadedPictures().Clear();
  SharedScaledPictures().Clear();
#if defined(__GLIBC__)
  // Freed pictures and window surfaces stay inside glibc's heap until it is asked to let go.
  malloc_trim(0);
#endif
}

}  // namespace forms
