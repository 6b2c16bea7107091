#include "tools/sample/sample_units.h"

#include <cstdio>

#include "model/chara.h"
#include "model/class.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "tools/sample/default_files.h"

namespace {

int Written(int ok, const std::string& path) {
    if (!ok) std::fprintf(stderr, "MakeSample: cannot write %s\n", path.c_str());
    return ok;
}

struct cClassSample {
    const char* name;
    int graphic, move, maxLevel;
    int init[STAT_COUNT];
    int final[STAT_COUNT];
};

const cClassSample kClasses[] = {
    {"ファイター", 1, 5, 30, {60, 10, 14, 12, 4, 6, 10, 8, 9}, {520, 80, 160, 140, 40, 60, 110, 90, 95}},
    {"メイジ", 2, 4, 30, {40, 30, 6, 7, 15, 13, 9, 10, 8}, {320, 300, 60, 70, 170, 150, 100, 110, 90}},
    {"スライム", 3, 3, 20, {30, 0, 8, 6, 2, 4, 5, 5, 6}, {200, 0, 80, 60, 20, 40, 50, 50, 60}},
};

struct cLandSample {
    const char* name;
    int cost, impassable, graphic;
    int defence;  // % added to 守備
};

// Graphics of the sample map-chip sheet, whose rows run through the hues:
// green for grass and forest, brown for mountains, blue for water.
const cLandSample kLands[] = {
    {"草原", 1, 0, 25, 0}, {"森", 2, 0, 30, 20}, {"山", 3, 0, 14, 30}, {"水", 1, 1, 49, 0}, {"壁", 1, 1, 7, 0},
};

struct cNameList {
    const char* file;
    const char* names;
};

const cNameList kNameLists[] = {
    {"RandomName000_男性.txt", "アレン\r\nバート\r\nカイル\r\nダリオ\r\nエドガー\r\n"},
    {"RandomName001_女性.txt", "アンナ\r\nベル\r\nセシル\r\nディアナ\r\nエマ\r\n"},
    {"RandomName002_魔物.txt", "グラム\r\nザック\r\nモルド\r\n"},
};

int WriteClasses(const std::string& root) {
    g_ClassList.assign(1, cClass());
    for (const cClassSample& s : kClasses) {
        g_ClassList.emplace_back();
        cClass& c = g_ClassList.back();
        c.Name = s.name;
        c.Graphic = s.graphic;
        c.Move = s.move;
        c.MaxLevel = s.maxLevel;
        for (int k = 0; k < STAT_COUNT; ++k) {
            c.InitStats[k] = s.init[k];
            c.FinalStats[k] = s.final[k];
        }
    }
    return WriteDefaultFile(g_Project, root, g_PathTable.Class);
}

int WriteLands(const std::string& root) {
    g_LandList.assign(1, cLand());
    for (const cLandSample& s : kLands) {
        g_LandList.emplace_back();
        cLand& land = g_LandList.back();
        land.Name = s.name;
        land.MoveCost = s.cost;
        land.Impassable = s.impassable;
        land.ChipGraphic = s.graphic;
        land.StatInPercent = 1;
        land.StatMod[3] = s.defence;
    }
    return WriteDefaultFile(g_Project, root, g_PathTable.Land);
}

int WriteCharacters(const std::string& root) {
    g_FriendList.assign(3, cFriend());
    g_FriendList[1].Name = "アレン";
    g_FriendList[1].Class = 1;
    g_FriendList[1].RandomName = 0;
    g_FriendList[2].Name = "リサ";
    g_FriendList[2].Class = 2;
    g_FriendList[2].RandomName = 0;
    g_EnemyList.assign(3, cEnemy());
    g_EnemyList[1].Name = "スライム";
    g_EnemyList[1].Class = 3;
    g_EnemyList[1].Description = "弱い魔物";
    g_EnemyList[2].Name = "盗賊";
    g_EnemyList[2].Class = 1;
    g_EnemyList[2].Level = 3;
    g_EnemyList[2].MoveAI.resize(1);
    g_EnemyList[2].MoveAI[0].Range = 1;
    g_EnemyList[2].MoveAI[0].Action = 1;
    return WriteDefaultFile(g_Project, root, g_PathTable.Friend) & WriteDefaultFile(g_Project, root, g_PathTable.Enemy);
}

int WriteTemplates(const std::string& root) {
    g_MoveAITemplates.assign(2, cMoveAITemplate());
    g_MoveAITemplates[0].Name = "待機";
    g_MoveAITemplates[0].Description = "その場から動かない";
    g_MoveAITemplates[0].Rules.resize(1);
    g_MoveAITemplates[1].Name = "突撃";
    g_MoveAITemplates[1].Description = "最も近い味方へ向かって戦う";
    g_MoveAITemplates[1].Rules.resize(1);
    g_MoveAITemplates[1].Rules[0].Action = 1;
    return WriteDefaultFile(g_Project, root, g_PathTable.MoveAITemplate);
}

int WriteCommonVariables(const std::string& root) {
    g_GValInfo.assign(GVALINFO_COUNT, cGValInfo());
    g_GValInfo[1].Name = "イベント進行度";
    return WriteDefaultFile(g_Project, root, g_PathTable.GValInfo);
}

int WriteRandomNames(const std::string& folder) {
    int ok = 1;
    for (const cNameList& list : kNameLists) {
        const std::string path = folder + list.file;
        HANDLE file;
        int written = FileCreate(&file, path.c_str());
        if (written) {
            written = FileWrite(file, list.names, static_cast<unsigned>(std::char_traits<char>::length(list.names)));
            written = FileClose(&file) && written;
        }
        ok &= Written(written, path);
    }
    return ok;
}

}  // namespace

int WriteDefaultUnits(const std::string& root) {
    // The characters lay out their slots by the skill lists just written.
    if (!ReadDefaultFile(g_Project, root, g_PathTable.Skill)) {
        std::fprintf(stderr, "MakeSample: cannot read the default skill lists\n");
        return 0;
    }
    int ok = WriteClasses(root);
    ok &= WriteLands(root);
    ok &= WriteCharacters(root);
    ok &= WriteTemplates(root);
    ok &= WriteCommonVariables(root);
    ok &= WriteRandomNames(root + "\\default\\random_name\\");
    return ok;
}
