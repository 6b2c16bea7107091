// A "System.dat" root object built byte by byte as a file of a given version
// stores it. Plain ints hold their field number (1 .. 108), doubles the field
// number plus one half, array entries field × 10 + index.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tests/support/bytes.h"

struct SystemImage {
    std::vector<std::string> texts = std::vector<std::string>(55, "T");
    std::vector<std::string> sounds = std::vector<std::string>(18, "S");
    std::vector<int> bgm = {1, 2, 3, 4, 5};
    std::vector<unsigned char> loops = {1, 0, 1, 0, 1};
    std::vector<int> forecast = {0, 1, 0, 1};
    int params = 12;
    std::vector<std::vector<std::string>> menus;  // the 16 menus; empty: 2 entries each
    std::vector<std::pair<std::string, int>> keys = {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4},
                                                     {"E", 5}, {"F", 6}, {"G", 7}};

    static void Ints(Bytes& b, int field, int count) {
        for (int i = 0; i < count; ++i) b.I32(field * 10 + i);
    }
    static bool HasMenu(int v, int menu) {
        static const int kFrom[16] = {11, 11, 0, 12, 12, 12, 63, 11, 11, 11, 11, 0, 0, 0, 43, 0};
        return v >= kFrom[menu];
    }

    std::string Build(int v) const {
        Bytes b;
        for (int f = 1; f <= 3; ++f) b.I32(f);
        b.F64(4.5).I32(5).I32(6).I32(7).F64(8.5).I32(9).I32(10).I32(11);
        if (v >= 70) b.I32(12).I32(13).I32(14);
        if (v >= 122) b.I32(15);
        if (v >= 70) b.I32(16).I32(17).I32(18);
        for (int i = 0; i < 9; ++i) b.F64(19.5 + i);
        Ints(b, 20, 9);
        b.I32(21).F64(22.5);
        if (v >= 89) b.F64(23.5);
        b.F64(24.5);
        if (v >= 33) b.I32(25).I32(26);
        for (int f = 27; f <= 41; ++f) b.I32(f);
        if (v >= 101) b.I32(42);
        b.I32(43);
        Ints(b, 44, 2);
        Ints(b, 45, 2);
        b.I32(46).I32(47);
        if (v >= 101) {
            b.I32(48);
            Ints(b, 49, 2);
            Ints(b, 50, 2);
            Ints(b, 51, 2);
        }
        b.F64(52.5).F64(52.5);
        if (v >= 123) b.I32(53);
        b.F64(54.5).F64(55.5).F64(56.5).F64(57.5);
        for (int f = 58; f <= 61; ++f) b.I32(f);
        if (v >= 81) b.I32(62);
        if (v >= 9) b.I32(63);
        b.I32(64).I32(65).I32(66);
        Ints(b, 67, 9);
        if (v >= 104) b.I32(68);
        b.U8(69).U8(70).U8(71);
        if (v >= 85) b.I16(72).I16(73).I16(74);
        b.Str("game");
        b.U32(static_cast<uint32_t>(sounds.size()));
        for (const std::string& s : sounds) b.Str(s);
        b.U32(static_cast<uint32_t>(bgm.size()));
        for (int i : bgm) b.I32(i);
        if (v >= 23) {
            b.U32(static_cast<uint32_t>(loops.size()));
            for (unsigned char c : loops) b.U8(c);
        }
        if (v >= 10) b.I32(79);
        if (v >= 125) {
            b.U32(static_cast<uint32_t>(forecast.size()));
            for (int i : forecast) b.I32(i);
        }
        if (v >= 90 && v <= 123) b.I32(81);
        if (v >= 119) b.I32(82);
        if (v >= 91) b.I32(83).I32(84);
        b.U32(static_cast<uint32_t>(texts.size()));
        for (const std::string& s : texts) b.Str(s);
        if (v >= 8) {
            b.U32(static_cast<uint32_t>(params));
            for (int i = 0; i < params; ++i) {
                b.Str("P" + std::to_string(i)).I32(0).I32(9);
                if (v >= 9) b.I32(12345 + i);
            }
        }
        if (v >= 11) b.I32(87);
        for (int m = 0; m < 16; ++m) {
            if (!HasMenu(v, m)) continue;
            std::vector<std::string> labels = {"M" + std::to_string(m) + "a", "M" + std::to_string(m) + "b"};
            if (!menus.empty()) labels = menus[m];
            b.U32(static_cast<uint32_t>(labels.size()));
            for (const std::string& l : labels) b.Str(l).I32(0);
        }
        b.U32(2).I32(1).Str("fire").I32(2).Str("ice");  // elements
        b.U32(1).I32(3).Str("categ");                   // categories
        if (v >= 70) b.F64(0.5);
        if (v >= 64) b.U32(1).I32(106).F64(1.5).F64(2.5);
        if (v >= 66) b.I32(107);
        b.U32(static_cast<uint32_t>(keys.size()));
        for (const auto& k : keys) b.I32(0).Str(k.first).I32(k.second).Str("");
        return b;
    }
};
