#pragma once

#include <cstddef>
#include <cstdint>

// The standard CRC-32 (zlib's, the reflected polynomial 0xEDB88320) of long buffers by
// carry-less multiplication, some ten times faster than zlib's tables: every record of a
// journal carries one, and a run's plan is checksummed line by line before the first move.
namespace FoldedCrc32 {

// Whether the processor multiplies without carries (PCLMULQDQ); without it nothing here
// may be called.
bool isAvailable();

// Continues `crc` (a CRC-32 as zlib gives it) over `size` bytes, a multiple of 16 and at
// least 64.
std::uint32_t extend(std::uint32_t crc, const unsigned char *bytes, std::size_t size);

}  // namespace FoldedCrc32
