orr_fuzzer(fuzz_smf
  SOURCES smf_fuzz.cpp
  LIBS media_smf
  SEEDS smf_seeds.cpp)
