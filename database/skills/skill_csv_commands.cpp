// The skill page's two CSV commands: "CSVファイルに保存" writes the list's
// skills to "csv\SkillNN.csv", never over an existing file; "CSVファイルの読込"
// reads such a file back into the page's working copy, which a refused file
// leaves as it was.
#include <windows.h>

#include "base/containers.h"
#include "base/file.h"
#include "base/report.h"
#include "database/skills/dlg_dbskill.h"
#include "database/skills/skill_csv.h"
#include "ui/common_dialogs.h"

namespace {

const char kSaveCaption[] = "CSVファイルの保存";
const char kLoadCaption[] = "CSVファイルの読込";
const char kCancelled[] = "中止しました。";

std::string Format(const char* format, const std::string& a, const std::string& b, const std::string& c) {
    std::string text;
    return StringPrintf(text, format, a.c_str(), b.c_str(), c.c_str());
}

// The width of `text` in a font of the system's non-client metrics. Measured
// as the box draws it, in wide characters: these fonts' own character set
// need not be the code page the text is written in.
int TextWidth(HDC dc, const LOGFONTA& font, const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                                                        &wide[0], static_cast<int>(wide.size()))));
    HFONT made = CreateFontIndirectA(&font);
    HGDIOBJ old = SelectObject(dc, made);
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    DeleteObject(made);
    return size.cx;
}

// A message box is as wide as its text, whatever its caption: full-width
// blanks after a short text widen it until the caption and the close button
// have room.
std::string WithRoomForCaption(const char* text, const char* caption) {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return text;
    const char kWideBlank[] = "\x81\x40";
    HDC dc = GetDC(nullptr);
    // The caption's text with a few pixels either side, the close button, the frame.
    const int need = TextWidth(dc, metrics.lfCaptionFont, caption) + 8 + metrics.iCaptionWidth +
                     2 * GetSystemMetrics(SM_CXFIXEDFRAME);
    const int have = TextWidth(dc, metrics.lfMessageFont, text);
    const int blank = TextWidth(dc, metrics.lfMessageFont, kWideBlank);
    ReleaseDC(nullptr, dc);
    std::string padded = text;
    // Bounded: a caption no screen holds gets no endless line.
    for (int width = have, i = 0; blank > 0 && width < need && i < 200; width += blank, ++i) padded += kWideBlank;
    return padded;
}

}  // namespace

int DLG_DBSKILL::AskCommitFirst(const char* caption) {
    RedrawList();  // the command turned the list's drawing off; the boxes must not leave it blank
    if (MesBox("このコマンドを実行するには現在の設定（データベース全体）を保存する必要があります。\n\n保存しますか？",
               caption, MB_YESNO) != IDYES) {
        MesBox(kCancelled, caption, MB_OK);
        return 0;
    }
    Commit();
    return 1;
}

void DLG_DBSKILL::ExportCsv() {
    if (!AskCommitFirst(kSaveCaption)) return;
    const std::string path = SkillCsvPath(m_nList), kind = SkillCsvDataKind(m_nList);
    const std::string question = Format(
        "%sデータをCSV形式のファイル「%s」（相対パス）に保存します。\n\n※CSV形式のファイルはExcelで編集してください。\n\n"
        "「%s」に保存しますか？",
        m_pSkillList->strName, path, path);
    if (MesBox(question.c_str(), kSaveCaption, MB_YESNO) != IDYES) {
        MesBox(kCancelled, kSaveCaption, MB_OK);
        return;
    }
    if (FileExists(path.c_str()) || FolderExists(path.c_str())) {
        ErrorBoxPrintf(
            "保存に失敗しました。\n「%s」は既に存在します。\n"
            "新しいCSVファイルを保存するために既存ファイルを削除するかファイル名を変更してから、再度このコマンドを実行して下"
            "さい。",
            path.c_str());
        ShowInExplorer(path.c_str(), m_hWnd);
        return;
    }
    CsvTable table;
    if (!BuildSkillCsvTable(&table, m_pSkillList->vSkill, SkillCsvColumns, kind)) return;
    if (!WriteCsvFile(path.c_str(), table)) {
        ErrorBoxPrintf("「%s」の保存に失敗しました。\nExcelなどで使用中の可能性があります。", path.c_str());
        ShowInExplorer(path.c_str(), m_hWnd);
        return;
    }
    MesBox(WithRoomForCaption("保存完了！", path.c_str()).c_str(), path.c_str(), MB_OK);
    ShowInExplorer(path.c_str(), m_hWnd);
}

void DLG_DBSKILL::ImportCsv() {
    if (!AskCommitFirst(kLoadCaption)) return;
    const std::string path = SkillCsvPath(m_nList), kind = SkillCsvDataKind(m_nList);
    const std::string question = Format(
        "CSV形式のファイル「%s」（相対パス）から%sデータを読み込んで更新します。\n\n"
        "※CSV形式のファイルはExcelで編集してください。\n"
        "※現在（読み込む前）のデータ数とCSVファイルのデータ数が一致しないと読み込みに失敗します。\n\n"
        "「%s」を読み込みますか？",
        path, m_pSkillList->strName, path);
    if (MesBox(question.c_str(), kLoadCaption, MB_YESNO) != IDYES) {
        MesBox(kCancelled, kLoadCaption, MB_OK);
        return;
    }
    CsvTable table;
    int failure = FILE_READ_UNREADABLE;
    if (!ReadCsvFile(path.c_str(), &table, kSkillCsvFileMax, &failure)) {
        // The working copy is untouched, and the editor goes on whatever the file was.
        if (failure == FILE_READ_TOO_LARGE)
            ErrorBoxPrintf(kCsvTooLargeText, path.c_str(), static_cast<unsigned>(kSkillCsvFileMax >> 20));
        else if (failure == FILE_READ_NO_MEMORY)
            ErrorBox("メモリが不足しています！");
        else
            ErrorBoxPrintf(
                "「%s」の読み込みに失敗しました。\nファイルが存在しない、またはExcelなどで使用中の可能性があります。",
                path.c_str());
        return;
    }
    // The import checks the whole table before it changes a skill; the copy
    // is kept all the same.
    const VECTOR_CLASS<cSkill> kept = m_Work;
    if (!ImportSkillCsvTable(m_Work, table, SkillCsvColumns, kind)) {
        m_Work = kept;
        return;
    }
    // The empty row after the last skill: no skill shows values from before the import.
    m_List.SelectOnly(m_List.GetRecordCount(), 0);
    m_Record = m_List.m_Default;
    m_List.FillList();
    MesBox(
        "読み込み完了！\n念のため設定値に問題がないか確認してください。\n"
        "問題があった場合、「キャンセル」ボタンを押すことで読み込む前の設定に戻せます。",
        path.c_str(), MB_OK);
    ShowInExplorer(path.c_str(), m_hWnd);
}
