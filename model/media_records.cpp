// The records of the media database.
#include "model/media_records.h"

#include <algorithm>

#include "model/fixup_inputs.h"

int cInfl::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cInfl);
    SERIAL(nTarget);
    SERIAL(nStat);
    SERIAL(nOperator);
    SERIAL(nValue);
    return 1;
}

void cInfl::SetDefault() {
    Clear();
    nTarget = 1;
}

int cCompatiType::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cCompatiType);
    SERIAL(strName);
    SERIAL(vInfl);
    return 1;
}

int cCompatiType::Load(HANDLE file) {
    cSerial::Load(file);
    if (const cFixupInputs* in = ActiveFixupInputs()) ClampInfluences(in->CompatiTypes);
    return 1;
}

int cCompatiType::Save(HANDLE file) {
    if (const cFixupInputs* in = ActiveFixupInputs()) ClampInfluences(in->CompatiTypes);
    return cSerial::Save(file);
}

void cCompatiType::SetDefault() { Clear(); }

void cCompatiType::ClampInfluences(size_t typeCount) {
    vInfl.erase(std::remove_if(vInfl.begin(), vInfl.end(),
                               [typeCount](const cInfl& i) { return static_cast<unsigned>(i.nTarget) >= typeCount; }),
                vInfl.end());
}

int cPtVal::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cPtVal);
    SERIAL(Name);
    SERIAL(Unit);
    SERIAL(CommonVar);
    SERIAL(Min);
    SERIAL(Max);
    SERIAL(ShowInParty);
    if (version >= 31) SERIAL(ShowInSave);
    SERIAL(Extra);
    return 1;
}

void cPtVal::SetDefault() {
    Clear();
    CommonVar = 1;
    Min = 0;
    Max = 999999;
}

int cCharaAnim::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cCharaAnim);
    SERIAL(nCel);
    SERIAL(nTime);
    SERIAL(bEffectStart);
    if (version >= 28) SERIAL(nMoveX);
    if (version >= 28) SERIAL(nMoveY);
    if (version >= 120) SERIAL(bInstant);
    return 1;
}

int cEffectAnim::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEffectAnim);
    SERIAL(nCel);
    SERIAL(nTime);
    if (version >= 29) SERIAL(nMoveX);
    if (version >= 29) SERIAL(nMoveY);
    if (version >= 201) SERIAL(bInstant);
    return 1;
}

int cEffectAnim::Load(HANDLE file) {
    cSerial::Load(file);
    if (g_nFileVersion < 201) bInstant = 1;
    return 1;
}

int cEdPicture::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEdPicture);
    SERIAL(strName);
    SERIAL(bSameAsFileName);
    SERIAL(strPath);
    return 1;
}

void cEdPicture::SetDefault() { Clear(); }

int cEdBack::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEdBack);
    SERIAL(strName);
    SERIAL(nDispMode);
    SERIAL(nChipWidth);
    SERIAL(nChipHeight);
    SERIAL(strPath);
    SERIAL(byColorR);
    SERIAL(byColorG);
    SERIAL(byColorB);
    SERIAL(dScrollX);
    SERIAL(dScrollY);
    return 1;
}

void cEdBack::SetDefault() {
    Clear();
    nChipWidth = 32;
    nChipHeight = 32;
}

int cEdSound::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEdSound);
    SERIAL(strName);
    SERIAL(bSameAsFileName);
    SERIAL(strPath);
    return 1;
}

void cEdSound::SetDefault() {
    Clear();
    bSameAsFileName = 1;
}

int cEdBgm::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEdBgm);
    SERIAL(strName);
    SERIAL(bSameAsFileName);
    SERIAL(strPath);
    if (version >= 100) SERIAL(nVolume);
    return 1;
}

void cEdBgm::SetDefault() {
    Clear();
    bSameAsFileName = 1;
    nVolume = 100;
}

int cEdHelpText::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEdHelpText);
    SERIAL(strText);
    return 1;
}

cEdHelp::cEdHelp() { vText.resize(1); }

int cEdHelp::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cEdHelp);
    SERIAL(strParentTitle);
    SERIAL(strTitle);
    SERIAL(vText);
    return 1;
}

void cEdHelp::SetDefault() {
    Clear();
    vText.resize(1);
}
