// Valid "Class.dat", "Land.dat", "Friend.dat", "Enemy.dat",
// "MoveAITemplate.dat" and "GValInfo.dat" files, and placed enemies and
// position groups, in versions whose layouts differ: the characters for their
// own fuzzer, the rest for the units fuzzer.
#include "model/chara.h"
#include "model/class.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/placement.h"
#include "tests/fuzz/seeds.h"

namespace {

const int kCharaVersions[] = {270, 250, 232, 214, 121, 104, 99, 88, 70, 52, 45};

}  // namespace

ORR_SEEDS(fuzz_characters) {
    std::vector<std::string> seeds;
    VECTOR_CLASS<cFriend> friends(2);
    friends[1].Name = "hero";
    friends[1].LearntSkills.resize(2);
    friends[1].Senses = {{1, 2}};
    friends[1].AcqSkills.resize(1);
    friends[1].AcqSkills[0].resize(2);
    friends[1].AcqSkills[0][1].Skill = 2;
    friends[1].FixedGrowth[0] = {0, 100, 120};
    VECTOR_CLASS<cEnemy> enemies(2);
    enemies[1].MoveAI.resize(2);
    enemies[1].MoveAI[1].Target = 5;
    enemies[1].BattleAI.resize(2);
    enemies[1].BattleAI[1].Conds.resize(1);
    for (int version : kCharaVersions) {
        seeds.push_back(StoredList(version, friends));
        seeds.push_back(StoredList(version, enemies));
    }
    return seeds;
}

ORR_SEEDS(fuzz_units) {
    std::vector<std::string> seeds;
    VECTOR_CLASS<cClass> classes(2);
    classes[1].Name = "knight";
    classes[1].Senses = {{1, 2}, {3}};
    VECTOR_CLASS<cLand> lands(2);
    lands[1].Name = "grass";
    VECTOR_CLASS<cMoveAITemplate> templates(2);
    templates[1].Name = "guard";
    templates[1].Rules.resize(2);
    VECTOR_CLASS<cPutEnemy> placed(2);
    placed[1].Enemy = 3;
    placed[1].MoveAI.resize(1);
    VECTOR_CLASS<cGroupPos> groups(2);
    groups[1].Cells = {{1, 2}, {3, 4}};
    VECTOR_CLASS<cGValInfo> names(3);
    names[2].Name = "switch";
    for (int version : kCharaVersions) {
        seeds.push_back(StoredList(version, templates));
        seeds.push_back(StoredList(version, placed));
    }
    for (int version : {270, 116, 83, 40, 36, 35}) seeds.push_back(StoredList(version, classes));
    for (int version : {270, 94, 66}) seeds.push_back(StoredList(version, lands));
    seeds.push_back(StoredList(270, groups));
    seeds.push_back(StoredList(270, names));
    return seeds;
}
