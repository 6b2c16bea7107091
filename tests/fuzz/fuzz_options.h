// A target's own libFuzzer defaults: its largest input and its dictionary
// (ORR_FUZZ_DICT, set by the build), added to the command line unless it
// already names them, so that every run (the test run, tools/fuzz.sh, by
// hand) fuzzes the same way.
#pragma once

#include <cstring>
#include <string>
#include <vector>

namespace fuzz_detail {

inline bool HasFlag(int argc, char** argv, const char* flag) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0) return true;
    return false;
}

inline void AddDefaults(int* argc, char*** argv, int maxLen, const char* dict) {
    static std::vector<std::string> added;
    static std::vector<char*> args;
    if (!HasFlag(*argc, *argv, "-max_len=")) added.push_back("-max_len=" + std::to_string(maxLen));
    if (dict && *dict && !HasFlag(*argc, *argv, "-dict=")) added.push_back(std::string("-dict=") + dict);
    args.assign(*argv, *argv + *argc);
    for (std::string& flag : added) args.push_back(&flag[0]);
    args.push_back(nullptr);
    *argc = static_cast<int>(args.size()) - 1;
    *argv = args.data();
}

}  // namespace fuzz_detail

#ifndef ORR_FUZZ_DICT
#define ORR_FUZZ_DICT ""
#endif

// In one source file of the target: ORR_FUZZ_OPTIONS(1024)
#define ORR_FUZZ_OPTIONS(maxLen)                                       \
    extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {     \
        fuzz_detail::AddDefaults(argc, argv, (maxLen), ORR_FUZZ_DICT); \
        return 0;                                                      \
    }
