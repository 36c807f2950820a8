#include "platform/cpu_features.h"

#if defined(_MSC_VER) && defined(_M_X64)
#include <immintrin.h>
#include <intrin.h>
#elif (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
#include <cpuid.h>
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
  const int wanted = (1 << 3) | (1 << 5) | (1 << 8);  // BMI1, AVX2, BMI2
  if ((registers[1] & wanted) != wanted) return false;
  __cpuid(registers, static_cast<int>(0x80000000u));
  if (static_cast<unsigned>(registers[0]) < 0x80000001u) return false;
  __cpuid(registers, static_cast<int>(0x80000001u));
  return (registers[2] & (1 << 5)) != 0;  // LZCNT
#elif (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
  // The compiler's own test also asks whether the system saves the registers.
  __builtin_cpu_init();
  if (!__builtin_cpu_supports("avx2") || !__builtin_cpu_supports("popcnt") || !__builtin_cpu_supports("bmi") ||
      !__builtin_cpu_supports("bmi2"))
    return false;
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  return __get_cpuid(0x80000001u, &eax, &ebx, &ecx, &edx) != 0 && (ecx & (1u << 5)) != 0;  // LZCNT
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
