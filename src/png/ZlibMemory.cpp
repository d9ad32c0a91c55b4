#include "png/ZlibMemory.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Each block carries its size in front, at an alignment that suits any type.
constexpr size_t kHeader = alignof(std::max_align_t);
static_assert(kHeader >= sizeof(size_t));
constexpr size_t kMaxKept = 12;  // one compressor and one decompressor
constexpr size_t kMaxKeptBytes = size_t{1} << 20;

struct Kept {
  std::vector<char*> blocks;
  size_t bytes = 0;
  ~Kept() {
    for (char* b : blocks) std::free(b);
  }
};
thread_local Kept kept;

size_t SizeOf(const char* block) {
  size_t n;
  std::memcpy(&n, block, sizeof n);
  return n;
}

}  // namespace

voidpf ZlibAlloc(voidpf, uInt items, uInt size) {
  const size_t n = size_t(items) * size;
  for (size_t i = kept.blocks.size(); i-- > 0;) {  // the last given back first
    char* b = kept.blocks[i];
    if (SizeOf(b) != n) continue;
    kept.blocks.erase(kept.blocks.begin() + std::ptrdiff_t(i));
    kept.bytes -= n;
    return b + kHeader;
  }
  char* b = static_cast<char*>(std::malloc(n + kHeader));
  if (!b) return Z_NULL;
  std::memcpy(b, &n, sizeof n);
  return b + kHeader;
}

void ZlibFree(voidpf, voidpf block) {
  if (!block) return;
  char* b = static_cast<char*>(block) - kHeader;
  const size_t n = SizeOf(b);
  if (kept.blocks.size() < kMaxKept && kept.bytes + n <= kMaxKeptBytes) {
    kept.blocks.push_back(b);
    kept.bytes += n;
  } else {
    std::free(b);
  }
}
