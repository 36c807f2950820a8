#include "platform/cpu_features.h"

#if defined(_MSC_VER) && defined(_M_X64)
#include <immintrin.h>
#include <intrin.h>
#endif

namespace vardek {

namespace {

bool AskProcessor() {
#if defined(_MSC_VER) && defined(_M_X64)
  int registers[4] = {};
  __cpuid(registers, 0);
  if (registers[0] < 7) return false;
  __cpuid(registers, 1);
  const bool osSavesYmm = (registers[2] & (1 << 27)) != 0 && (_xgetbv(0) & 0x6) == 0x6;
  const bool popcnt = (registers[2] & (1 << 23)) != 0;
  if (!osSavesYmm || !popcnt) return false;
  __cpuidex(registers, 7, 0);
  return (registers[1] & (1 << 5)) != 0;
#elif (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
  // The compiler's own test also asks whether the system saves the registers.
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") != 0 && __builtin_cpu_supports("popcnt") != 0;
#else
  return false;
#endif
}

}  // namespace

bool ProcessorHasAvx2() {
  static const bool has = AskProcessor();
  return has;
}

}  // namespace vardek
