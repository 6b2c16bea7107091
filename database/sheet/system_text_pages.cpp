// The controls of system pages 5 to 9: the game's parameter names, menus and
// fixed texts, and the "System.ini" keys. A menu command is a check box and
// the name edit it enables; a text is an entry of the record's text list.
#include "database/sheet/dlg_dbsystem.h"
#include "model/system.h"

namespace {

// Command `index` of `menu`: its check box, and its name edit enabled while
// the check box is checked.
#define SYS_CMD(menu, index, check, edit, chars) \
    SysCheck(check, SYS_ITEM(menu, index, Enabled)), SysText(edit, SYS_ITEM(menu, index, Label), chars, check)
#define SYS_TEXT_ENTRY(index, edit, chars) SysText(edit, SYS_ENTRY(Texts, index), chars)

// A parameter: shown check box, name edit enabled while it is checked.
#define SYS_PARAM(index, check, edit) \
    SysCheck(check, SYS_ITEM(ParamInfo, index, Shown)), SysText(edit, SYS_ITEM(ParamInfo, index, Name), 4, check)
#define SYS_LIMIT(index, edit, spin) SysInt(edit, spin, SYS_ITEM(ParamInfo, index, Limit), 1, 999999)

// A "System.ini" key and its default; only a numeric entry binds its default.
#define SYS_INI(index, key, value, spin)                                                                        \
    SysBytes(key, SYS_ITEM(IniKeys, index, Key), 64), SysInt(                                                   \
                                                          value, spin,                                          \
                                                          [](cSystem& s) -> void* {                             \
                                                              cIni* e = SystemEntry(s.IniKeys, index);          \
                                                              return e && e->Type == 0 ? &e->Default : nullptr; \
                                                          },                                                    \
                                                          0, 99)

// Page 5 (dialog 203): parameters, effect forecast, skill texts, title and option menus.
const cSysCtrl kPage5[] = {
    SYS_PARAM(0, 1426, 1427),
    SYS_LIMIT(0, 1428, 1429),
    SYS_PARAM(1, 1430, 1431),
    SYS_LIMIT(1, 1432, 1433),
    SYS_PARAM(2, 1434, 1435),
    SYS_LIMIT(2, 1436, 1437),
    SYS_PARAM(3, 1438, 1439),
    SYS_LIMIT(3, 1440, 1441),
    SYS_PARAM(4, 1442, 1443),
    SYS_LIMIT(4, 1444, 1445),
    SYS_PARAM(5, 1446, 1447),
    SYS_LIMIT(5, 1448, 1449),
    SYS_PARAM(6, 1450, 1451),
    SYS_LIMIT(6, 1452, 1453),
    SYS_PARAM(7, 1454, 1455),
    SYS_LIMIT(7, 1456, 1457),
    SYS_PARAM(8, 1458, 1459),
    SYS_LIMIT(8, 1460, 1461),
    SYS_PARAM(9, 1462, 1463),
    SYS_PARAM(10, 1464, 1465),
    SYS_PARAM(11, 1466, 1467),
    SysCheck(1470, SYS_FIELD(ShowForecast)),
    SYS_TEXT_ENTRY(0, 1490, 4),
    SysCheck(1497, SYS_ENTRY(ForecastItems, 0), 1470),
    SysText(1471, SYS_ENTRY(Texts, 1), 4, 1470, 1497),
    SysCheck(1499, SYS_ENTRY(ForecastItems, 1), 1470),
    SysText(1498, SYS_ENTRY(Texts, 2), 4, 1470, 1499),
    SysCheck(1500, SYS_ENTRY(ForecastItems, 2), 1470),
    SysText(1472, SYS_ENTRY(Texts, 3), 4, 1470, 1500),
    SysCheck(1501, SYS_ENTRY(ForecastItems, 3), 1470),
    SysText(1495, SYS_ENTRY(Texts, 4), 4, 1470, 1501),
    SysCheck(1496, SYS_FIELD(ShowTwoSkillLists)),
    SYS_TEXT_ENTRY(5, 1491, 6),
    SYS_TEXT_ENTRY(13, 1508, 1),
    SYS_TEXT_ENTRY(6, 1492, 6),
    SysCheck(1482, SYS_FIELD(TitleMenuImage)),
    SysCheck(1473, SYS_ITEM(TitleMenu, 0, Enabled)),
    SysText(1474, SYS_ITEM(TitleMenu, 0, Label), 16, 1473, 0, 1482),
    SysCheck(1476, SYS_ITEM(TitleMenu, 1, Enabled)),
    SysText(1477, SYS_ITEM(TitleMenu, 1, Label), 16, 1476, 0, 1482),
    SysCheck(1478, SYS_ITEM(TitleMenu, 2, Enabled)),
    SysText(1479, SYS_ITEM(TitleMenu, 2, Label), 16, 1478, 0, 1482),
    SysCheck(1480, SYS_ITEM(TitleMenu, 3, Enabled)),
    SysText(1481, SYS_ITEM(TitleMenu, 3, Label), 16, 1480, 0, 1482),
    SYS_TEXT_ENTRY(7, 1493, 8),
    SYS_CMD(OptionMenu, 0, 1484, 1485, 8),
    SYS_CMD(OptionMenu, 1, 1486, 1487, 8),
    SYS_CMD(OptionMenu, 2, 1488, 1489, 8),
};

// Page 6 (dialog 204): the formation menu and its sub-menus, config defaults,
// skill-list texts. The config menu's names stay editable whatever its check
// boxes say.
const cSysCtrl kPage6[] = {
    SYS_CMD(FormationMenu, 0, 1430, 1476, 10),
    SYS_CMD(FormationMenu, 1, 1431, 1477, 10),
    SYS_CMD(FormationMenu, 2, 1432, 1478, 10),
    SYS_CMD(FormationMenu, 3, 1433, 1479, 10),
    SYS_CMD(FormationMenu, 4, 1434, 1480, 10),
    SYS_CMD(FormationMenu, 5, 1435, 1481, 10),
    SYS_CMD(FormationMenu, 6, 1436, 1482, 10),
    SYS_CMD(FormationMenu, 7, 1437, 1483, 10),
    SYS_CMD(FormationMenu, 8, 1438, 1484, 10),
    SYS_CMD(FormationMenu, 9, 1439, 1485, 10),
    SYS_CMD(FormationMenu, 10, 1440, 1486, 10),
    SYS_CMD(FormationMenu, 11, 1441, 1487, 10),
    SYS_CMD(FormationMenu, 12, 1458, 1519, 10),
    SYS_CMD(ScoutMenu, 0, 1442, 1488, 16),
    SYS_CMD(ScoutMenu, 1, 1443, 1489, 16),
    SYS_CMD(ScoutMenu, 2, 1444, 1490, 16),
    SYS_CMD(ReviveMenu, 0, 1445, 1491, 16),
    SYS_CMD(ReviveMenu, 1, 1446, 1492, 16),
    SYS_CMD(ReviveMenu, 2, 1447, 1493, 16),
    SYS_CMD(ReleaseMenu, 0, 1448, 1494, 16),
    SYS_CMD(ReleaseMenu, 1, 1449, 1495, 16),
    SYS_CMD(ShopMenu, 0, 1450, 1496, 10),
    SYS_CMD(ShopMenu, 1, 1451, 1504, 10),
    SYS_CMD(ShopMenu, 2, 1452, 1505, 10),
    SysCheck(1453, SYS_ITEM(ConfigMenu, 0, Enabled)),
    SysText(1513, SYS_ITEM(ConfigMenu, 0, Label), 16),
    SysCheck(1454, SYS_ITEM(ConfigMenu, 1, Enabled)),
    SysText(1514, SYS_ITEM(ConfigMenu, 1, Label), 16),
    SysCheck(1455, SYS_ITEM(ConfigMenu, 2, Enabled)),
    SysText(1515, SYS_ITEM(ConfigMenu, 2, Label), 16),
    SysCheck(1456, SYS_ITEM(ConfigMenu, 3, Enabled)),
    SysText(1516, SYS_ITEM(ConfigMenu, 3, Label), 16),
    SysCheck(1457, SYS_ITEM(ConfigMenu, 4, Enabled)),
    SysText(1517, SYS_ITEM(ConfigMenu, 4, Label), 16),
    SysShort(1623, 1624, SYS_FIELD(WindowHue), 0, 359),
    SysShort(1627, 1628, SYS_FIELD(WindowBrightness), -255, 255),
    SysShort(1625, 1626, SYS_FIELD(WindowTransparency), -255, 255),
    SYS_TEXT_ENTRY(17, 1497, 16),
    SYS_TEXT_ENTRY(18, 1498, 16),
    SYS_TEXT_ENTRY(19, 1499, 16),
    SYS_TEXT_ENTRY(20, 1500, 16),
    SYS_TEXT_ENTRY(23, 1512, 2),
    SYS_TEXT_ENTRY(21, 1507, 8),
    SYS_TEXT_ENTRY(22, 1506, 8),
    SYS_TEXT_ENTRY(8, 1501, 16),
    SYS_TEXT_ENTRY(9, 1502, 16),
    SYS_TEXT_ENTRY(10, 1503, 16),
    SYS_TEXT_ENTRY(11, 1509, 16),
    SYS_TEXT_ENTRY(12, 1518, 16),
    SYS_TEXT_ENTRY(14, 1508, 38),
    SYS_TEXT_ENTRY(15, 1510, 38),
    SYS_TEXT_ENTRY(16, 1511, 38),
};

// Page 7 (dialog 205): training menus, world-map confirmation, stage preparation.
const cSysCtrl kPage7[] = {
    SYS_CMD(TrainingMenu, 0, 1453, 1508, 10),
    SYS_CMD(TrainingMenu, 1, 1454, 1509, 10),
    SYS_CMD(TrainingMenu, 2, 1455, 1510, 10),
    SYS_CMD(TrainingMenu, 3, 1456, 1511, 10),
    SYS_CMD(TrainingMenu, 4, 1457, 1512, 10),
    SYS_CMD(TrainingMenu, 5, 1458, 1513, 10),
    SYS_CMD(TrainingEntryMenu, 0, 1459, 1514, 16),
    SYS_CMD(TrainingEntryMenu, 1, 1460, 1515, 16),
    SYS_CMD(TrainingEntryMenu, 2, 1461, 1516, 16),
    SYS_CMD(TrainingEntryMenu, 3, 1462, 1517, 16),
    SYS_CMD(TrainingSideMenu, 0, 1463, 1518, 16),
    SYS_CMD(TrainingSideMenu, 1, 1464, 1519, 16),
    SYS_CMD(TrainingSideMenu, 2, 1465, 1520, 16),
    SYS_CMD(PrepareMenu, 0, 1466, 1528, 10),
    SYS_CMD(PrepareMenu, 1, 1467, 1529, 10),
    SYS_CMD(PrepareMenu, 2, 1468, 1530, 10),
    SYS_CMD(PrepareMenu, 3, 1469, 1531, 10),
    SYS_CMD(PrepareMenu, 4, 1470, 1532, 10),
    SYS_CMD(PrepareMenu, 5, 1471, 1533, 10),
    SYS_CMD(PrepareMenu, 6, 1472, 1534, 10),
    SYS_TEXT_ENTRY(24, 1521, 8),
    SYS_TEXT_ENTRY(25, 1539, 16),
    SYS_TEXT_ENTRY(26, 1522, 16),
    SYS_TEXT_ENTRY(27, 1523, 16),
    SYS_TEXT_ENTRY(28, 1524, 16),
    SYS_TEXT_ENTRY(29, 1525, 16),
    SYS_TEXT_ENTRY(30, 1526, 16),
    SYS_TEXT_ENTRY(31, 1527, 16),
    SYS_TEXT_ENTRY(37, 1535, 16),
    SYS_TEXT_ENTRY(38, 1536, 16),
    SYS_TEXT_ENTRY(39, 1537, 16),
    SYS_TEXT_ENTRY(40, 1538, 16),
};

// Page 8 (dialog 206): the stage map's system and test menus, rule display, land information.
const cSysCtrl kPage8[] = {
    SYS_CMD(MapSystemMenu, 0, 1477, 1478, 16),
    SYS_CMD(MapSystemMenu, 1, 1481, 1482, 16),
    SYS_CMD(MapSystemMenu, 2, 1483, 1484, 16),
    SYS_CMD(MapSystemMenu, 3, 1485, 1486, 16),
    SYS_CMD(MapTestMenu, 0, 1512, 1513, 16),
    SYS_CMD(MapTestMenu, 1, 1514, 1515, 16),
    SYS_CMD(MapTestMenu, 2, 1516, 1517, 16),
    SYS_CMD(MapTestMenu, 3, 1518, 1519, 16),
    SYS_CMD(MapTestMenu, 4, 1525, 1526, 16),
    SYS_TEXT_ENTRY(41, 1497, 16),
    SYS_TEXT_ENTRY(42, 1498, 16),
    SYS_TEXT_ENTRY(32, 1539, 16),
    SYS_TEXT_ENTRY(33, 1540, 16),
    SYS_TEXT_ENTRY(34, 1541, 16),
    SYS_TEXT_ENTRY(35, 1542, 16),
    SYS_TEXT_ENTRY(36, 1543, 20),
    SYS_TEXT_ENTRY(50, 1507, 8),
    SYS_TEXT_ENTRY(51, 1508, 8),
    SYS_TEXT_ENTRY(43, 1520, 16),
    SYS_TEXT_ENTRY(44, 1521, 16),
    SYS_TEXT_ENTRY(45, 1522, 16),
    SYS_TEXT_ENTRY(46, 1523, 16),
    SYS_TEXT_ENTRY(47, 1524, 16),
    SYS_TEXT_ENTRY(48, 1527, 16),
    SYS_TEXT_ENTRY(49, 1528, 16),
};

// Page 9 (dialog 207): action and battle menus, battle messages, "System.ini"
// keys. The first action command's name edit is kept hidden by the dialog.
const cSysCtrl kPage9[] = {
    SYS_CMD(ActionMenu, 0, 1479, 1480, 4), SYS_CMD(ActionMenu, 1, 1487, 1488, 4), SYS_CMD(ActionMenu, 2, 1489, 1490, 4),
    SYS_CMD(ActionMenu, 3, 1491, 1492, 4), SYS_CMD(ActionMenu, 4, 1493, 1494, 4), SYS_CMD(ActionMenu, 5, 1495, 1496, 4),
    SYS_CMD(BattleMenu, 0, 1499, 1500, 4), SYS_CMD(BattleMenu, 1, 1501, 1502, 4), SYS_CMD(BattleMenu, 2, 1503, 1504, 4),
    SYS_CMD(BattleMenu, 3, 1505, 1506, 4), SYS_TEXT_ENTRY(52, 1509, 16),          SYS_TEXT_ENTRY(53, 1510, 16),
    SYS_TEXT_ENTRY(54, 1511, 16),          SYS_INI(0, 1629, 1630, 1631),          SYS_INI(1, 1632, 1633, 1634),
    SYS_INI(2, 1635, 1636, 1637),          SYS_INI(3, 1638, 1639, 1640),          SYS_INI(4, 1641, 1642, 1643),
    SYS_INI(5, 1644, 1645, 1646),          SYS_INI(6, 1647, 1648, 1649),
};

#define PAGE(dialog, table) \
    { dialog, table, static_cast<int>(sizeof(table) / sizeof(table[0])), nullptr, nullptr }

}  // namespace

const cSystemPage g_SystemTextPages[5] = {
    PAGE(203, kPage5), PAGE(204, kPage6), PAGE(205, kPage7), PAGE(206, kPage8), PAGE(207, kPage9),
};
