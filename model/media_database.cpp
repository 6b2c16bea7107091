// The media database and its nine files.
#include "model/media_database.h"

#include <climits>

#include "base/paths.h"
#include "base/report.h"
#include "model/skill.h"


namespace {

// While a compatibility-type list is read or written its own count bounds the
// influences; SIZE_MAX while a file is read, since its count is known only
// once the whole list is in.
size_t s_clampCount = 0;
bool s_clampOverride = false;

class ClampCountScope {
public:
    explicit ClampCountScope(size_t count) {
        s_clampCount = count;
        s_clampOverride = true;
    }
    ~ClampCountScope() { s_clampOverride = false; }
};

void FixupSkillClasses() {
    for (cSkillList& list : g_SkillLists)
        for (cSkill& skill : list.vSkill) skill.FixupClass();
}

template <class T>
int LoadList(VECTOR_CLASS<T>& list, const std::string& path) {
    if (LoadRecordList(list, path)) return 1;
    ReportLoadFailure(path);
    return 0;
}

template <class T>
int SaveList(VECTOR_CLASS<T>& list, const char* dataPath, const char* folder, std::string* failedPath) {
    std::string path = dataPath;
    if (folder) path = folder + StripFolderPartStr(path);
    if (SaveRecordList(list, path)) return 1;
    Report("書き込み失敗 : %s", path.c_str());
    if (failedPath && failedPath->empty()) *failedPath = path;
    return 0;
}

}  // namespace

size_t CompatiTypeClampCount() { return s_clampOverride ? s_clampCount : g_Database.CompatiTypes.size(); }

cDatabase::cDatabase() { SetDefault(); }

int cDatabase::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cDatabase);
    if (version >= 99) SERIAL(CompatiTypes);
    SERIAL(PtVals);
    SERIAL(CharaAnims);
    SERIAL(EffectAnims);
    SERIAL(Pictures);
    if (version >= 66) SERIAL(Backs);
    SERIAL(Sounds);
    SERIAL(Bgms);
    if (version >= 211) SERIAL(Helps);
    return 1;
}

void cDatabase::SetDefault() {
    Clear();
    CompatiTypes.resize(2);
    PtVals.resize(2);
    CharaAnims.resize(2);
    EffectAnims.resize(2);
    Pictures.resize(2);
    Backs.resize(2);
    Sounds.resize(2);
    Bgms.resize(2);
    Helps.resize(1);
}

int LoadMediaDatabase(cDatabase& db) {
    const cPathTable& p = g_PathTable;
    {
        ClampCountScope whileReading(SIZE_MAX);
        if (!LoadList(db.CompatiTypes, p.CompatiType)) return 0;
    }
    for (cCompatiType& type : db.CompatiTypes) type.ClampInfluences(db.CompatiTypes.size());
    if (!LoadList(db.PtVals, p.PartyVal)) return 0;
    if (!LoadList(db.CharaAnims, p.CharaAnim)) return 0;
    if (!LoadList(db.EffectAnims, p.EffectAnim)) return 0;
    if (!LoadList(db.Pictures, p.Picture)) return 0;
    if (!LoadList(db.Backs, p.Back)) return 0;
    if (!LoadList(db.Sounds, p.Sound)) return 0;
    if (!LoadList(db.Bgms, p.Bgm)) return 0;
    // Help pages came with Bgm.dat's version 212; older projects keep the defaults.
    if (g_nFileVersion >= 212 && !LoadList(db.Helps, p.Help)) return 0;
    FixupSkillClasses();
    return 1;
}

int SaveMediaDatabase(cDatabase& db, std::string* failedPath, const char* folder) {
    const cPathTable& p = g_PathTable;
    if (failedPath) failedPath->clear();
    FixupSkillClasses();
    int ok = 1;
    {
        ClampCountScope ownCount(db.CompatiTypes.size());
        ok &= SaveList(db.CompatiTypes, p.CompatiType, folder, failedPath);
    }
    ok &= SaveList(db.PtVals, p.PartyVal, folder, failedPath);
    ok &= SaveList(db.Pictures, p.Picture, folder, failedPath);
    ok &= SaveList(db.Backs, p.Back, folder, failedPath);
    ok &= SaveList(db.CharaAnims, p.CharaAnim, folder, failedPath);
    ok &= SaveList(db.EffectAnims, p.EffectAnim, folder, failedPath);
    ok &= SaveList(db.Sounds, p.Sound, folder, failedPath);
    ok &= SaveList(db.Bgms, p.Bgm, folder, failedPath);
    ok &= SaveList(db.Helps, p.Help, folder, failedPath);
    return ok;
}
