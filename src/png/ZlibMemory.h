#pragma once
// The memory zlib's streams use. Blocks a picture's compressor or decompressor gives back
// are kept for the next picture (a few, per thread), so that saving one picture after
// another, as serial frames do, does not return the memory to the system and fault it
// in again each time.
#include <zlib.h>

voidpf ZlibAlloc(voidpf opaque, uInt items, uInt size);
void ZlibFree(voidpf opaque, voidpf block);
