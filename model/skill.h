// Skills and skill lists ("data\database\Skill.dat") with the small records
// that belong to them: menu commands, categories, slots and their learnable
// categories, a class's slot organisation, a character's skill slot, a skill
// learnt at a level and the shop-skill parameter of the event action.
//
// A skill is named everywhere by the pair (skill-list index, skill index in
// that list); skill 0 of a list is a placeholder that no page offers.
#pragma once

#include <string>

#include "base/serial.h"
#include "model/fixup_inputs.h"

// One command of a game menu: the skill list's menus and the sixteen menus of
// the system settings.
class cCmd : public cSerial {
public:
    std::string Label;
    int Enabled = 1;  // the game offers the command

    cCmd() = default;
    explicit cCmd(const char* label, int enabled = 1) : Label(label), Enabled(enabled) {}
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

// One category of a skill list; a skill's nCateg indexes them.
class cCateg : public cSerial {
public:
    int nSymbol = 0;  // number of the category's symbol picture
    std::string strName;
    double dRate = 1.0;  // share of a distributed random sense rise; 0 leaves the category out

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // Files before 122 held no meaningful rate.
    int Load(HANDLE file) override;
};

// One learnable category of a slot.
class cAcqCond : public cSerial {
public:
    int nCateg = 0;  // index into the owning skill list's categories

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

class cSlot : public cSerial {
public:
    int bAllCateg = 1;                // learns every category the character may learn
    VECTOR_CLASS<cAcqCond> vAcqCond;  // otherwise only these
    int bShowAllSymbols = 1;          // while empty, show every learnable category's symbol
    int nSymbol = 0;                  // while empty, show this symbol

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault();
};

// A class's slot organisation for one skill list.
class cOrgSlotList : public cSerial {
public:
    int OwnSlots = 0;  // "このクラス独自のスロットを使用"
    VECTOR_CLASS<cSlot> Slots;

    cOrgSlotList();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault();  // cleared, then one default slot
};

// One slot of a character's skill row.
class cAcqSkill : public cSerial {
public:
    int SkillList = 0;
    int Skill = 0;  // 0: the slot is empty
    int Uses = 0;   // remaining uses
    int Equipped = 0;
    cSlot Slot;

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // In one piece: the eight ints of the four fields, the slot's three and
    // its condition count, then one int for each condition.
    int ReadStored(HANDLE file);
    void WriteStored(HANDLE file) const;
};

// A skill an ally learns at a level.
class cLearnSkill : public cSerial {
public:
    int SkillList = 0;
    int Skill = 1;
    int Level = 0;

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // In one piece: the three ints.
    int ReadStored(HANDLE file);
    void WriteStored(HANDLE file) const;
    void SetDefault();
};

// Parameter record of the event action that puts a skill into the shop.
class cShopSkill : public cSerial {
public:
    int SkillList = 0;  // stored from version 55
    int Skill = 1;
    int Extra1 = 0;  // kept for the action that edits them (from 55)
    int Extra2 = 0;

    cShopSkill();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // A list outside the skill lists becomes 0 with skill 1; a skill outside
    // its list becomes 1.
    void Fixup(const cFixupInputs& in);
};

// Kinds of skill (nKind).
enum {
    SKILL_PHYSICAL = 0,
    SKILL_MAGIC = 1,
    SKILL_HEAL = 2,
    SKILL_GUARD = 3,
    SKILL_TIME = 4,
    SKILL_SUPPORT = 5,
    SKILL_LAND = 6,
    SKILL_PHYSICAL_WEAPON = 7,
    SKILL_MAGIC_WEAPON = 8,
    SKILL_ARMOUR = 9,
};

class cSkill : public cSerial {
public:
    int nSpare1 = 0;    // no editor binds it
    int nNo = 0;        // own position in the list's skill vector
    int bNotInUse = 0;  // "未使用" (109)
    int nPrice = 0;     // 0: cannot be sold
    int nStockMax = 99;
    int nResourceType = 0;  // 0 costs SP, 1 limited uses
    int nSp = 0;
    int nUseLimit = 50;
    int bUnlimited = 0;
    int bVanishFromStock = 1;
    int nCateg = 0;  // index into the list's categories
    int nNeedSense = 1;
    int nClass = 0;     // class that may learn it; 0 every class
    int bNoForget = 0;  // (30)
    int nKind = SKILL_PHYSICAL;
    int bMapSkill = 0;
    int bMapStock = 0;
    int bBattleSkill = 1;
    int bBattleQuick = 0;
    int bBattleStock = 0;
    int nTarget = 0;           // 0 self, 1 other, 2 time, 3 land
    int nWeaponSkill = 0;      // 0 physical, 1 magic weapon (261)
    int nCompatiType = 0;      // index into the compatibility types; 0 none (99)
    int bSameCompatiType = 0;  // (99)
    int nElem = 0;             // index into the system's elements; 0 none
    int nElemValue = 0;        // (18)
    int bSameElem = 0;         // (18)
    int nHit = 100;
    int bSameHit = 0;  // (17)
    int nEffect = 0;
    int nDamageRate = 100;  // (79)
    int nCritical = 0;
    int bAddCritical = 0;
    int bNoStatEffect = 0;
    int nSubA[9] = {};  // stat order HP .. 敏捷
    int bSubAPercent = 0;
    int nSubB[9] = {};     // (80)
    int bSubBPercent = 0;  // (80)
    int nSpecial = 0;
    int nSpecialValue = 0;
    int bSortNo = 0;       // (102)
    double dSortNo = 0.0;  // (102)
    int bSameEffect = 0;   // (17)
    int nEffectGraphic = 1;
    int nCharaAnim = 1;   // (14)
    int nEffectAnim = 1;  // (14)
    int nZoom = 200;      // (36)
    unsigned char byAlpha = 255;
    short sHue = 0;         // (38)
    short sSaturation = 0;  // (38)
    short sValue = 0;       // (38)
    int nLearnRate = 0;
    int nLearnRateSenseOld = 0;    // the whole-number form used before 122
    double dLearnRateSense = 0.0;  // (122)
    int nLearnLvMin = 0;
    int nLearnLvMax = 0;
    int nSpare2 = 0;  // no editor binds it
    double dLearnLvSense = 0.0;
    int nRankMin = 0;  // (103)
    int nRankMax = 0;  // (103)
    int nRarity = 0;   // (103)
    std::string strName;
    std::string strHelp;
    int nSound = 1;        // index into the sound effects; 0 none (5)
    std::string strSpare;  // no editor binds it

    cSkill() = default;
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    void SetDefault();  // the defaults above
    // Compatibility type and element outside their lists become 0.
    void Fixup(const cFixupInputs& in);
    // A learning class outside the class list becomes 0.
    void FixupClass(const cFixupInputs& in);
    // Whether the skill can stay equipped in automatic battle.
    int IsEquippable() const;
};

class cSkillList : public cSerial {
public:
    int nNo = 0;  // own position in the skill lists
    std::string strName;
    int nSlotType = 1;  // 0 slots and categories limited, 1 not limited, 2 no slots
    int nSpare1 = 200;  // no editor binds it
    int bReserve = 1;
    int nReserveNum = 200;
    int bShowSp = 1;
    int bShowCategSense = 0;
    int bShowSense = 0;
    std::string strSense = "センス";  // the game's word for sense
    int nSpare2 = 0;                  // no editor binds it (70)
    int bMultiLearn = 1;              // (7)
    int bRestoreUse = 1;              // (6)
    int bStockCondSame = 1;           // (82)
    int nTradeVal = 1;                // party variable that pays for trading
    int bForgetOnDeath = 0;           // (19)
    int bForgetOnRelease = 0;         // (19)
    int bTestLearnAll = 0;            // F8 in test play (41)
    int bTestGetAll = 0;              // (41)
    int bForgetToStock = 0;
    int bConfirmLearn = 1;
    int bConfirmForget = 1;
    VECTOR_CLASS<cSlot> vSlot;
    VECTOR_CLASS<cCateg> vCateg;
    VECTOR_CLASS<int> vScene;  // SCENE_COUNT flags, where the list may be used
    VECTOR_CLASS<cCmd> vCmd;   // the game's skill menu
    VECTOR_CLASS<cCmd> vLearnMenu;
    VECTOR_CLASS<cCmd> vSellMenu;  // (56)
    VECTOR_CLASS<cCmd> vForgetMenu;
    VECTOR_CLASS<cSkill> vSkill;

    enum { SCENE_COUNT = 11, CMD_COUNT = 7 };

    cSkillList();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    void SetDefault();  // as constructed
    // Skills' categories and slots' conditions outside the category list.
    void Fixup();
};

// The skill lists of the project, "data\database\Skill.dat".
extern VECTOR_CLASS<cSkillList> g_SkillLists;

int SkillListCount();
// Number of skills of list `list`; 0 for a list that does not exist.
int SkillCount(int list);
// Writes every list's and every skill's own position into nNo.
void RenumberSkillLists(VECTOR_CLASS<cSkillList>& lists);
// Whole-file load (then renumbered) and save of the skill lists; 1 or 0.
int LoadSkillFile(VECTOR_CLASS<cSkillList>& lists, const std::string& path);
int SaveSkillFile(VECTOR_CLASS<cSkillList>& lists, const std::string& path);
