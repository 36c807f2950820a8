#pragma once
// What the processor offers beyond the x86-64 baseline (SSE2), asked once.
// Code built for wider steps lives in files of its own, compiled with the
// flags of vardek_avx2_sources (CMakeLists.txt), and is called only when
// this says yes.

namespace vardek {

// AVX2 with the bit instructions built with it (POPCNT, BMI1, BMI2, LZCNT),
// and the operating system saving its registers; false off x86-64.
bool ProcessorHasAvx2();

}  // namespace vardek
