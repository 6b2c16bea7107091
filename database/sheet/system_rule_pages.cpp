// The controls of system pages 1 to 4 and 10: growth and scouting, enemy
// stats, EX and costs, battle timing and formulas, elements and media. One
// line per control, in the order the page refreshes and stores them.
#include "database/sheet/dlg_dbsystem.h"
#include "database/sheet/system_words.h"
#include "model/action_counts.h"
#include "model/system.h"

namespace {

const int kBig = 999999;

// A control enabled only while check box `on` is checked.
constexpr cSysCtrl When(cSysCtrl c, WORD on) {
    c.on = on;
    return c;
}

// Page 1 (dialog 112): game name, random growth, scouting, stat rates.
const cSysCtrl kPage1[] = {
    SysInt(1152, 1154, SYS_FIELD(RandomGrowthMin), 0, kBig),
    SysInt(1153, 1155, SYS_FIELD(RandomGrowthMax), 0, kBig),
    SysInt(1158, 1159, SYS_FIELD(RandomSenseMin), 0, 1000),
    SysInt(1160, 1161, SYS_FIELD(RandomSenseMax), 0, 1000),
    SysInt(1168, 1169, SYS_FIELD(GrowthDistUnit), 1, 9999),
    SysInt(1174, 1175, SYS_FIELD(SenseDistUnit), 1, 9999),
    When(SysInt(1170, 1171, SYS_FIELD(RandomChangeAmount), 1, 9999), 1039),
    When(SysInt(1172, 1173, SYS_FIELD(RandomChangeCount), 1, 99), 1039),
    SysInt(1164, 1165, SYS_FIELD(GrowthTimingMin), -10, 10),
    SysInt(1166, 1167, SYS_FIELD(GrowthTimingMax), -10, 10),
    SysReal(1156, 1178, SYS_FIELD(RandomGrowthScoutRate), 0.0, 100.0, 0.001),
    SysReal(1162, 1163, SYS_FIELD(RandomSenseScoutRate), 0.0, 100.0, 0.001),
    SysReal(1334, 1343, SYS_FIELD(StatRate[0]), 0.0, 99.9, 0.1),
    SysReal(1335, 1344, SYS_FIELD(StatRate[1]), 0.0, 99.9, 0.1),
    SysReal(1336, 1345, SYS_FIELD(StatRate[2]), 0.0, 99.9, 0.1),
    SysReal(1337, 1346, SYS_FIELD(StatRate[3]), 0.0, 99.9, 0.1),
    SysReal(1338, 1347, SYS_FIELD(StatRate[4]), 0.0, 99.9, 0.1),
    SysReal(1339, 1348, SYS_FIELD(StatRate[5]), 0.0, 99.9, 0.1),
    SysReal(1340, 1349, SYS_FIELD(StatRate[6]), 0.0, 99.9, 0.1),
    SysReal(1341, 1350, SYS_FIELD(StatRate[7]), 0.0, 99.9, 0.1),
    SysReal(1342, 1351, SYS_FIELD(StatRate[8]), 0.0, 99.9, 0.1),
    SysText(1003, SYS_FIELD(GameName), 16),
    SysCheck(1035, SYS_FIELD(RandomGrowthScoutCap)),
    SysCheck(1036, SYS_FIELD(RandomSenseScoutCap)),
    SysCheck(1038, SYS_FIELD(ScoutEnabled)),
    SysCheck(1039, SYS_FIELD(RandomChangeEnabled)),
    SysList(SYS_PARTY_VAR, 1419, SYS_FIELD(ScoutPartyVal), 1038),
};

// Page 2 (dialog 128): enemy stats, EX, money, hiring, revival, release. The
// record's hidden flag has no check box on this dialog and keeps its value.
const cSysCtrl kPage2[] = {
    SysInt(1352, 1361, SYS_FIELD(EnemyStatRate[0]), 0, 999),
    SysInt(1353, 1362, SYS_FIELD(EnemyStatRate[1]), 0, 999),
    SysInt(1354, 1363, SYS_FIELD(EnemyStatRate[2]), 0, 999),
    SysInt(1355, 1364, SYS_FIELD(EnemyStatRate[3]), 0, 999),
    SysInt(1356, 1365, SYS_FIELD(EnemyStatRate[4]), 0, 999),
    SysInt(1357, 1366, SYS_FIELD(EnemyStatRate[5]), 0, 999),
    SysInt(1358, 1367, SYS_FIELD(EnemyStatRate[6]), 0, 999),
    SysInt(1359, 1368, SYS_FIELD(EnemyStatRate[7]), 0, 999),
    SysInt(1360, 1369, SYS_FIELD(EnemyStatRate[8]), 0, 999),
    SysInt(1170, 1171, SYS_FIELD(HireCost), 0, kBig),
    SysInt(1172, 1173, SYS_FIELD(HireCostPerLevel), 0, kBig),
    SysInt(1174, 1175, SYS_FIELD(ReviveCost), 0, kBig),
    SysInt(1176, 1177, SYS_FIELD(ReviveCostPerLevel), 0, kBig),
    SysInt(1179, 1180, SYS_FIELD(ReleasePrice), 0, kBig),
    SysInt(1181, 1182, SYS_FIELD(ReleasePricePerLevel), 0, kBig),
    SysInt(1183, 1184, SYS_FIELD(SkillSaleRate), 0, 999),
    SysInt(1164, 1165, SYS_FIELD(BaseEx), 0, 1000),
    SysInt(1166, 1167, SYS_FIELD(ExMin), 0, 9999),
    SysInt(1168, 1169, SYS_FIELD(ExMax), 0, 9999),
    SysReal(21185, 21186, SYS_FIELD(ExLevelRate), 0.0, 100.0, 0.1),
    SysReal(21187, 21188, SYS_FIELD(ExDifficultyRate), -100.0, 100.0, 0.1),
    SysReal(1187, 1188, SYS_FIELD(ExFinishRate), 0.0, 100.0, 0.1),
    SysCheck(1037, SYS_FIELD(ReviveAfterClear)),
    SysCheck(1038, SYS_FIELD(ActAgainOnKill)),
    SysCheck(1039, SYS_FIELD(AutoTurnEnd)),
    SysList(SYS_PARTY_VAR, 1418, SYS_FIELD(MoneyPartyVal)),
    SysList(SYS_PARTY_VAR, 1419, SYS_FIELD(HirePartyVal)),
    SysList(SYS_PARTY_VAR, 1420, SYS_FIELD(RevivePartyVal)),
    SysList(SYS_PARTY_VAR, 1421, SYS_FIELD(ReleasePartyVal)),
};

// Page 3 (dialog 172): battle and turn modes, action values, formulas,
// difficulty.
const cSysCtrl kPage3[] = {
    SysInt(1161, 1162, SYS_FIELD(BattleTime), 0, 100),
    SysInt(1271, 1272, SYS_FIELD(InitialActionValue[0]), 0, 9999),
    SysInt(1273, 1274, SYS_FIELD(InitialActionValue[1]), 0, 9999),
    SysInt(1156, 1160, SYS_FIELD(AgilityRate[0]), 0, 9999),
    SysInt(1158, 1159, SYS_FIELD(AgilityRate[1]), 0, 9999),
    SysInt(1177, 1178, SYS_FIELD(AgilityBase), 0, kBig),
    SysInt(1275, 1276, SYS_FIELD(SimpleActionCount[0]), 0, 99),
    SysInt(1277, 1296, SYS_FIELD(SimpleAgilityStep[0]), 0, 9999),
    SysInt(1297, 1298, SYS_FIELD(SimpleActionMax[0]), 0, 99),
    SysInt(1299, 1300, SYS_FIELD(SimpleActionCount[1]), 0, 99),
    SysInt(1301, 1302, SYS_FIELD(SimpleAgilityStep[1]), 0, 9999),
    SysInt(1303, 1304, SYS_FIELD(SimpleActionMax[1]), 0, 99),
    SysInt(1173, 1174, SYS_FIELD(DamageRateMin), 0, 999),
    SysInt(1175, 1176, SYS_FIELD(DamageRateMax), 0, 999),
    SysInt(1165, 1166, SYS_FIELD(BattleHealRate), 0, 999),
    SysInt(1168, 1169, SYS_FIELD(DifficultyInitial), 0, 10),
    SysInt(1278, 1287, SYS_FIELD(EnemyStatIncrease[0]), 0, kBig),
    SysInt(1279, 1288, SYS_FIELD(EnemyStatIncrease[1]), 0, kBig),
    SysInt(1280, 1289, SYS_FIELD(EnemyStatIncrease[2]), 0, kBig),
    SysInt(1281, 1290, SYS_FIELD(EnemyStatIncrease[3]), 0, kBig),
    SysInt(1282, 1291, SYS_FIELD(EnemyStatIncrease[4]), 0, kBig),
    SysInt(1283, 1292, SYS_FIELD(EnemyStatIncrease[5]), 0, kBig),
    SysInt(1284, 1293, SYS_FIELD(EnemyStatIncrease[6]), 0, kBig),
    SysInt(1285, 1294, SYS_FIELD(EnemyStatIncrease[7]), 0, kBig),
    SysInt(1286, 1295, SYS_FIELD(EnemyStatIncrease[8]), 0, kBig),
    SysReal(1163, 0, SYS_FIELD(ReferenceActionCount[0]), 0.0, 999.9, 0.1),
    SysReal(1164, 0, SYS_FIELD(ReferenceActionCount[1]), 0.0, 999.9, 0.1),
    SysReal(1179, 1180, SYS_FIELD(HitRateFactor), 0.0, 99.9, 0.1),
    SysReal(1185, 1186, SYS_FIELD(CriticalRateFactor), 0.0, 99.9, 0.1),
    SysReal(1181, 1182, SYS_FIELD(DamageAttackFactor), 0.0, 99.9, 0.1),
    SysReal(1183, 1184, SYS_FIELD(DamageDefenseFactor), 0.0, 99.9, 0.1),
    SysCheck(1039, SYS_FIELD(ShowActionOrder)),
    SysCheck(1037, SYS_FIELD(NoInterceptBeforeAttack)),
    SysCheck(1036, SYS_FIELD(NoCostOnMiss)),
    SysCheck(1038, SYS_FIELD(NoEvadeWhileGuarding)),
    SysCheck(1035, SYS_FIELD(DifficultyPercent)),
    SysWords(1382, SYS_FIELD(BattleMode), g_WordBattleMode),
    SysWords(1383, SYS_FIELD(TurnMode), TurnModeNames),
    SysWords(1384, SYS_FIELD(ActionOrderType), ActionOrderTypeNames),
    SysList(SYS_PARTY_VAR, 1420, SYS_FIELD(DifficultyPartyVal)),
};

const WORD kPage3Triggers[] = {1037, 1156, 1158, 1161, 1271, 1273, 1275, 1299, 1383, 0};

int Typed(DLG_DBSYSTEM_N& page, WORD id) { return static_cast<int>(GetDlgItemInt(page.m_hWnd, id, nullptr, TRUE)); }

// The time mode's edits or the simple mode's, and the reference action
// counts from the values as typed.
void UpdateBattleTiming(DLG_DBSYSTEM_N& page) {
    const int simple = SendDlgItemMessageA(page.m_hWnd, 1383, CB_GETCURSEL, 0, 0) != 0;
    for (WORD id : {1161, 1271, 1273, 1156, 1158, 1177, 1037}) page.EnableId(id, !simple);
    for (WORD id : {1384, 1275, 1277, 1299, 1301, 1297, 1303}) page.EnableId(id, simple);
    double counts[2];
    if (!simple) {
        const int initial[2] = {Typed(page, 1271), Typed(page, 1273)};
        const int rates[2] = {Typed(page, 1156), Typed(page, 1158)};
        CalcActionCountsByTime(counts, Typed(page, 1161), initial, rates, page.IsChecked(1037));
    } else {
        const int fixed[2] = {Typed(page, 1275), Typed(page, 1299)};
        CalcActionCountsSimple(counts, fixed);
    }
    for (int side = 0; side < 2; ++side)
        if (CTRL_EDITVAL_CLASS<double>* shown = page.FindCtrl(page.m_Reals, 1163 + side))
            shown->ShowValue(counts[side]);
}

// Page 4 (dialog 191): what the table binds; the element list, the previews
// and the font sample are the page's own.
const cSysCtrl kPage4[] = {
    SysByte(1518, 1521, SYS_FIELD(TransparentColor[0])), SysByte(1519, 1170, SYS_FIELD(TransparentColor[1])),
    SysByte(1520, 1171, SYS_FIELD(TransparentColor[2])), SysBytes(1538, SYS_ENTRY(SoundEffects, 0), 260),
    SysBytes(1540, SYS_ENTRY(SoundEffects, 1), 260),     SysBytes(1542, SYS_ENTRY(SoundEffects, 2), 260),
    SysBytes(1544, SYS_ENTRY(SoundEffects, 3), 260),     SysBytes(1546, SYS_ENTRY(SoundEffects, 4), 260),
    SysBytes(1548, SYS_ENTRY(SoundEffects, 5), 260),     SysBytes(1550, SYS_ENTRY(SoundEffects, 6), 260),
    SysBytes(1552, SYS_ENTRY(SoundEffects, 7), 260),     SysBytes(1554, SYS_ENTRY(SoundEffects, 8), 260),
    SysBytes(1556, SYS_ENTRY(SoundEffects, 9), 260),     SysBytes(1558, SYS_ENTRY(SoundEffects, 10), 260),
    SysBytes(1560, SYS_ENTRY(SoundEffects, 11), 260),    SysBytes(1562, SYS_ENTRY(SoundEffects, 12), 260),
    SysBytes(1564, SYS_ENTRY(SoundEffects, 13), 260),    SysBytes(1566, SYS_ENTRY(SoundEffects, 14), 260),
    SysBytes(1568, SYS_ENTRY(SoundEffects, 15), 260),    SysBytes(1572, SYS_ENTRY(SoundEffects, 16), 260),
    SysBytes(1573, SYS_ENTRY(SoundEffects, 17), 260),    SysCheck(1627, SYS_FIELD(EvenCharSpacing)),
    SysByteCheck(1533, SYS_ENTRY(SystemBgmLoop, 0)),     SysByteCheck(1534, SYS_ENTRY(SystemBgmLoop, 1)),
    SysByteCheck(1535, SYS_ENTRY(SystemBgmLoop, 2)),     SysByteCheck(1536, SYS_ENTRY(SystemBgmLoop, 3)),
    SysByteCheck(1570, SYS_ENTRY(SystemBgmLoop, 4)),     SysList(SYS_BACK, 1595, SYS_FIELD(FormationBack)),
    SysWords(1596, SYS_FIELD(FontIndex), FontNameTable), SysList(SYS_BGM, 1529, SYS_ENTRY(SystemBgm, 0)),
    SysList(SYS_BGM, 1530, SYS_ENTRY(SystemBgm, 1)),     SysList(SYS_BGM, 1531, SYS_ENTRY(SystemBgm, 2)),
    SysList(SYS_BGM, 1532, SYS_ENTRY(SystemBgm, 3)),     SysList(SYS_BGM, 1569, SYS_ENTRY(SystemBgm, 4)),
};

}  // namespace

#define PAGE(dialog, table, triggers, update) \
    { dialog, table, static_cast<int>(sizeof(table) / sizeof(table[0])), triggers, update }

const cSystemPage& SystemPageTable(int page) {
    static const cSystemPage kRulePages[] = {
        PAGE(112, kPage1, nullptr, nullptr),
        PAGE(128, kPage2, nullptr, nullptr),
        PAGE(172, kPage3, kPage3Triggers, UpdateBattleTiming),
        PAGE(191, kPage4, nullptr, nullptr),
    };
    static const cSystemPage kPage10 = {208, nullptr, 0, nullptr, nullptr};
    if (page >= 0 && page < 4) return kRulePages[page];
    if (page >= 4 && page < 9) return g_SystemTextPages[page - 4];
    return kPage10;
}
