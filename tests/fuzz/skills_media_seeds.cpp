// Valid "Skill.dat", media and "System.dat" files of the versions whose
// layouts differ.
#include "model/media_database.h"
#include "model/skill.h"
#include "model/system.h"
#include "tests/fuzz/seeds.h"

namespace {

const int kVersions[] = {270, 261, 125, 122, 100, 90, 77, 55, 38, 4};

}  // namespace

ORR_SEEDS(fuzz_skills_media) {
    std::vector<std::string> seeds;
    VECTOR_CLASS<cSkillList> lists(2);
    lists[1].vSlot[0].vAcqCond.resize(2);
    lists[1].vSkill.resize(3);
    lists[1].vSkill[2].strName = "skill";
    cDatabase db;
    db.CompatiTypes[1].vInfl.resize(2);
    db.Helps[0].vText.resize(3);
    for (int version : kVersions) {
        seeds.push_back(StoredList(version, lists));
        seeds.push_back(StoredList(version, db.CompatiTypes));
        seeds.push_back(StoredList(version, db.CharaAnims));
        seeds.push_back(StoredList(version, db.EffectAnims));
        seeds.push_back(StoredList(version, db.Helps));
    }
    return seeds;
}

ORR_SEEDS(fuzz_system) {
    std::vector<std::string> seeds;
    cSystem system;
    system.GameName = "game";
    for (int version : kVersions) seeds.push_back(Stored(version, [&](HANDLE file) { system.Save(file); }));
    return seeds;
}
