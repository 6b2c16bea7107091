#include "tools/sample/sample_units.h"

#include <cstdio>

#include "model/ai.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/paths.h"

namespace {

std::string DefaultFile(const std::string& root, const char* dataPath) {
    std::string name = dataPath;
    StripFolderPartStr(name);
    const bool database = std::string(dataPath).find("database") != std::string::npos;
    return root + "\\default\\" + (database ? "database\\" : "") + name;
}

template <class T>
int SaveMissing(VECTOR_CLASS<T>& list, const std::string& path) {
    if (FileExists(path.c_str())) return 1;
    if (SaveRecordList(list, path)) return 1;
    std::fprintf(stderr, "MakeSample: cannot write %s\n", path.c_str());
    return 0;
}

// Lands in the order the sample stage paints them; the graphics are cells of
// the sample map-chip sheet (8 per row, hue by row).
VECTOR_CLASS<cLand> Lands() {
    struct Row {
        const char* name;
        int graphic, cost;
    };
    const Row rows[] = {{"平地", 16, 1}, {"草原", 25, 1}, {"森", 31, 2}, {"水", 49, 99}};
    VECTOR_CLASS<cLand> lands;
    for (const Row& r : rows) {
        cLand land;
        land.Name = r.name;
        land.ChipGraphic = r.graphic;
        land.MoveCost = r.cost;
        land.Impassable = r.cost >= 99;
        lands.push_back(land);
    }
    return lands;
}

// Record 0 of the class and character lists is the placeholder no dialog offers.
VECTOR_CLASS<cClass> Classes() {
    struct Row {
        const char* name;
        int graphic;
    };
    const Row rows[] = {{"", 1}, {"戦士", 1}, {"魔術師", 2}, {"ゴブリン", 21}, {"盗賊", 42}};
    VECTOR_CLASS<cClass> classes;
    for (const Row& r : rows) {
        cClass c;
        c.Name = r.name;
        c.Graphic = r.graphic;
        classes.push_back(c);
    }
    return classes;
}

template <class T>
VECTOR_CLASS<T> Characters(std::initializer_list<std::pair<const char*, int>> rows) {
    VECTOR_CLASS<T> list(1);
    for (const auto& r : rows) {
        T chara;
        chara.Name = r.first;
        chara.Class = r.second;
        list.push_back(chara);
    }
    return list;
}

}  // namespace

int WriteDefaultUnits(const std::string& root) {
    const cPathTable& p = g_PathTable;
    VECTOR_CLASS<cLand> lands = Lands();
    VECTOR_CLASS<cClass> classes = Classes();
    VECTOR_CLASS<cFriend> friends = Characters<cFriend>({{"アレン", 1}, {"リナ", 2}});
    VECTOR_CLASS<cEnemy> enemies = Characters<cEnemy>({{"ゴブリン", 3}, {"盗賊", 4}});
    VECTOR_CLASS<cMoveAITemplate> templates(1);
    templates[0].Name = "突撃";
    templates[0].Description = "一番近い敵に向かって進み、攻撃する";
    templates[0].Rules.resize(1);
    VECTOR_CLASS<cGValInfo> names(GVALINFO_COUNT);
    names[1].Name = "ボス撃破";
    names[2].Name = "宝箱を開けた";
    int ok = 1;
    ok &= SaveMissing(lands, DefaultFile(root, p.Land));
    ok &= SaveMissing(classes, DefaultFile(root, p.Class));
    ok &= SaveMissing(friends, DefaultFile(root, p.Friend));
    ok &= SaveMissing(enemies, DefaultFile(root, p.Enemy));
    ok &= SaveMissing(templates, DefaultFile(root, p.MoveAITemplate));
    ok &= SaveMissing(names, DefaultFile(root, p.GValInfo));
    return ok;
}
