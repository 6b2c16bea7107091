#include "events/name_lists.h"

#include "events/action_forms.h"
#include "events/event_words.h"
#include "model/chara.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/media_database.h"
#include "model/skill.h"
#include "model/stage.h"
#include "ui/record_names.h"

int MakeNameRows(VECTOR_CLASS<std::string>& out, int rows) {
    switch (rows) {
    case EACT_ROWS_PICTURES: MakeRecordNameList(out, g_Database.Pictures, nullptr, 1, 1, 3, 0); return 1;
    case EACT_ROWS_SOUNDS: MakeRecordNameList(out, g_Database.Sounds, nullptr, 1, 1, 3, 0); return 1;
    case EACT_ROWS_BGMS: MakeRecordNameList(out, g_Database.Bgms, "なし", 0, 1, 3, 0); return 1;
    case EACT_ROWS_GVALS: MakeRecordNameList(out, g_GValInfo, nullptr, 1, 1, 3, 0); return 1;
    case EACT_ROWS_GROUPS: MakeRecordNameList(out, g_Stage.Groups, nullptr, 1, 1, 2, 0); return 1;
    case EACT_ROWS_FRIENDS: MakeRecordNameList(out, g_FriendList, nullptr, 1, 1, 3, 0); return 1;
    case EACT_ROWS_LANDS: MakeRecordNameList(out, g_LandList, nullptr, 0, 1, 3, 1); return 1;
    case EACT_ROWS_SKILL_LISTS: MakeRecordNameList(out, g_SkillLists, nullptr, 0, 1, 2, 1); return 1;
    case EACT_ROWS_STATUS:
        out.clear();
        for (const cStatusOpInfo& item : g_StatusItem) out.push_back(item.strName);
        return 1;
    default: out.clear(); return 0;
    }
}

void MakeConditionGValRows(VECTOR_CLASS<std::string>& out) {
    MakeRecordNameList(out, g_GValInfo, "コモン変数条件なし", 0, 1, 3, 0);
}

void MakeConditionGroupRows(VECTOR_CLASS<std::string>& out) {
    MakeRecordNameList(out, g_Stage.Groups, nullptr, 1, 1, 2, 0);
}

void MakeConditionFriendRows(VECTOR_CLASS<std::string>& out) {
    MakeRecordNameList(out, g_FriendList, "条件なし", 0, 1, 3, 0);
}
