// The records of the media database's nine lists and their nested records.
//
// Constructors of the records that the database makes in bulk (party
// variables, pictures, backgrounds, sound effects, BGM, help lines) clear
// every field; SetDefault gives the values a page puts into a new record.
#pragma once

#include <string>

#include "base/serial.h"

// One influence of a compatibility type on another.
class cInfl : public cSerial {
public:
    int nTarget = 1;    // the compatibility type it applies against
    int nStat = 0;      // 0 hit rate, 1 critical rate, 2 damage
    int nOperator = 0;  // 0 =, 1 +, 2 -, 3 ×, 4 ÷, 5 remainder of ÷ X, 6 X %
    int nValue = 0;

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault();
};

class cCompatiType : public cSerial {
public:
    std::string strName;
    VECTOR_CLASS<cInfl> vInfl;

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // Both drop influences on types that do not exist (ClampInfluences).
    int Load(HANDLE file) override;
    int Save(HANDLE file) override;
    void SetDefault();
    // Erases every influence whose target is not below `typeCount`.
    void ClampInfluences(size_t typeCount);
};

class cPtVal : public cSerial {
public:
    std::string Name;
    std::string Unit;
    int CommonVar = 0;  // the common variable holding the value
    int Min = 0;
    int Max = 0;
    int ShowInParty = 0;  // shown in the organisation screen
    int ShowInSave = 0;   // shown with the save data (31)
    int Extra = 0;        // kept in its place; no page shows it

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault();  // common variable 1, range 0 to 999999
};

// One frame of a character animation.
class cCharaAnim : public cSerial {
public:
    int nCel = 0;
    int nTime = 1;  // 1/60 s
    int bEffectStart = 0;
    int nMoveX = 0;    // (28)
    int nMoveY = 0;    // (28)
    int bInstant = 0;  // jump instead of moving over the time (120)

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

// One frame of an effect animation.
class cEffectAnim : public cSerial {
public:
    int nCel = 0;
    int nTime = 1;
    int nMoveX = 0;    // (29)
    int nMoveY = 0;    // (29)
    int bInstant = 0;  // (201)

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // Frames of files before 201 always jumped.
    int Load(HANDLE file) override;
};

// An animation: its frames in playing order and the graphic its page previews.
template <class Frame>
class cAnimPat : public cSerial {
public:
    std::string strName;
    unsigned short nGraphic = 0;
    VECTOR_CLASS<Frame> vAnim;

    cAnimPat() { vAnim.resize(1); }
    int Serial(int op, cSerial* other, HANDLE file, int version) override {
        SERIAL_BEGIN(cAnimPat);
        SERIAL(strName);
        SERIAL(nGraphic);
        SERIAL(vAnim);
        return 1;
    }
    void SetDefault() {  // one default frame
        Clear();
        vAnim.resize(1);
    }
};

class cCharaAnimPat : public cAnimPat<cCharaAnim> {};    // previews a character graphic
class cEffectAnimPat : public cAnimPat<cEffectAnim> {};  // previews an effect graphic

class cEdPicture : public cSerial {
public:
    std::string strName;
    int bSameAsFileName = 0;
    std::string strPath;  // under "image\picture\"

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault();
};

// Display types of a background (nDispMode).
enum { BACK_CHIPS = 0, BACK_IMAGE = 1, BACK_COLOR = 2 };

class cEdBack : public cSerial {
public:
    std::string strName;
    int nDispMode = BACK_CHIPS;
    int nChipWidth = 0;
    int nChipHeight = 0;
    std::string strPath;
    unsigned char byColorR = 0;
    unsigned char byColorG = 0;
    unsigned char byColorB = 0;
    double dScrollX = 0.0;
    double dScrollY = 0.0;

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault();  // chips of 32 × 32
};

class cEdSound : public cSerial {
public:
    std::string strName;
    int bSameAsFileName = 0;
    std::string strPath;  // a wave file under "wave\"

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault();  // name follows the file
};

class cEdBgm : public cSerial {
public:
    std::string strName;
    int bSameAsFileName = 0;
    std::string strPath;  // ".mid" or ".ogg" under "bgm\"
    int nVolume = 0;      // percent, Ogg only (100)

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault();  // name follows the file, volume 100
};

// One body line of a help page; "#P<n>." shows symbol n.
class cEdHelpText : public cSerial {
public:
    std::string strText;

    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

class cEdHelp : public cSerial {
public:
    std::string strParentTitle;
    std::string strTitle;
    VECTOR_CLASS<cEdHelpText> vText;

    cEdHelp();
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    void SetDefault();  // one empty line
};
