#include "database/units/dlg_dbfriend.h"

#include "database/units/dlg_learnskill.h"
#include "database/units/unit_rows.h"

namespace {

const CHARA_PAGE_IDS kFriendIds = {1121, 1120, 1119, 1068, {1074, 1069, 1077, 1071}, 999, 1};

}  // namespace

DLG_DBFRIEND::DLG_DBFRIEND(WORD resId, PROP_DATABASE* sheet, WND_LIST_CLASS* wndList)
    : DLG_DBCHARA<cFriend, cLearnSkill>(resId, sheet, wndList, &g_FriendList, kFriendIds, &cFriend::LearntSkills,
                                        FormatLearnSkillRow) {
    SetInstance(this);
    m_Sub.m_Edit = [this](int index) {
        DLG_LEARNSKILL dialog(this, m_pWndList, &m_SubList, &m_SubList.m_pWork->At(index));
        return dialog.DoModal(0);
    };
    cFriend& r = m_Record;
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1035, &r.ShopFromStart}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1065, &r.RehireAlways}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1053, &r.NoRelease}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1076, &r.RegenOnStageClear}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1079, &r.RandomSenseRise}));
    m_Checks.push_back(CTRL_CHECK_CLASS<int>({1073, &r.RandomSkillLearn}));
}
