// Every string edit of the stage dialogs and the event dialogs, opened on a
// record whose texts pass their limits (names from another tool or an older
// version): each text is shown whole, OK keeps it byte for byte, and typing
// cannot lengthen it.
#include "tests/support/stored_texts.h"

#include <functional>
#include <string>
#include <vector>

#include "app/dlg_endcond.h"
#include "app/dlg_grouppos.h"
#include "app/dlg_moveaitemplate.h"
#include "app/dlg_stage.h"
#include "app/dlg_testplay.h"
#include "base/editor_settings.h"
#include "base/file.h"
#include "base/paths.h"
#include "events/action_forms.h"
#include "events/dlg_eact_message.h"
#include "events/dlg_event_set.h"
#include "events/dlg_eventactplt.h"
#include "model/stage.h"
#include "resources/stage_dialogs_ids.h"
#include "resources/stage_editor_ids.h"
#include "tests/app/editor_test.h"
#include "tests/events/event_dialog_support.h"
#include "ui/wnd_list.h"

namespace {

typedef std::function<void(DLG_CLASS*)> IN_DIALOG;

// Runs `in` in the next dialog of class D once it is open.
template <class D>
void When(IN_DIALOG in) {
    QueueStep([in] {
        D* d = OpenBox<D>();
        if (!d) return false;
        in(d);
        return true;
    });
}

// A stored text and the limit of its edit (bytes or characters).
struct StoredText {
    std::function<std::string&()> field;
    int units;
    int lines;
};

struct DialogCase {
    const char* name;
    std::vector<StoredText> texts;  // in the order of the dialog's string edits
    std::function<void(IN_DIALOG)> open;
};

class StoredTexts : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        if (g_Stage.Groups.size() < 2) g_Stage.Groups.resize(2);
        if (g_Stage.WinConds.empty()) g_Stage.WinConds.resize(1);
        m_Templates.assign(1, cMoveAITemplate());
        m_Palette.assign(1, cEventActPlt());
        m_Event.SetDefault();
        m_Message.Kind = EACT_MESSAGE;
        SizeActionParams(m_Message);
        m_TestPlay = g_TestPlay;
        m_EventPalette = g_EventActPlt;
        m_bTestPlayFile = FileExists(g_PathTable.TestPlay);
        m_TestPlayFile = m_bTestPlayFile ? FileBytes(g_PathTable.TestPlay) : std::string();
        g_TestPlay.AutoFind = 0;
    }
    void TearDown() override {
        EXPECT_EQ(0, DropSteps()) << "a dialog a step waited for never opened";
        EditorTest::TearDown();
        // The settings and the palette live beyond one project: the next test gets them as they were.
        g_TestPlay = m_TestPlay;
        g_EventActPlt = m_EventPalette;
        DeleteFileA(g_PathTable.TestPlay);
        if (m_bTestPlayFile) WriteFileBytes(g_PathTable.TestPlay, m_TestPlayFile);
    }
    std::vector<DialogCase> Cases() {
        return {
            {"stage settings",
             {{[] { return std::ref(g_Stage.Name); }, 30, 1}},
             [this](IN_DIALOG in) {
                 When<DLG_STAGE>(in);
                 Command(CM_STAGE_SETTINGS);
             }},
            {"explanation line",
             {{[] { return std::ref(g_Stage.WinConds[0].Text); }, 30, 1}},
             [this](IN_DIALOG in) {
                 When<DLG_STAGE>([in](DLG_CLASS* d) {
                     When<DLG_ENDCOND>(in);
                     PickRow(d->m_hWnd, IDC_STAGE_WIN_LIST, 0);
                     Click(d->m_hWnd, IDC_STAGE_WIN_EDIT);
                     Click(d->m_hWnd, IDC_STAGEDLG_OK);
                 });
                 Command(CM_STAGE_SETTINGS);
             }},
            {"position group",
             {{[] { return std::ref(g_Stage.Groups[1].Name); }, 8, 1}},
             [this](IN_DIALOG in) {
                 When<DLG_GROUPPOS>([in](DLG_CLASS* d) {
                     When<DLG_GROUPPOS_SET>(in);
                     Click(d->m_hWnd, IDC_GROUPPOS_EDIT);
                     Click(d->m_hWnd, IDC_STAGEDLG_OK);
                 });
                 Command(CM_GROUP_POS);
             }},
            {"movement-AI template",
             {{[this]() -> std::string& { return m_Templates[0].Name; }, 64, 1},
              {[this]() -> std::string& { return m_Templates[0].Description; }, 256, 1}},
             [this](IN_DIALOG in) {
                 When<DLG_MOVEAITEMPLATE>(in);
                 DLG_MOVEAITEMPLATE dlg(Stage(), Stage()->m_pWndList, &m_Templates, 0);
                 dlg.DoModal(0);
             }},
            {"test play",
             {{[] { return std::ref(g_TestPlay.GamePath); }, 260, 1}},
             [this](IN_DIALOG in) {
                 When<DLG_TESTPLAY>(in);
                 RunTestPlaySettings(Stage(), Stage()->m_pWndList);
             }},
            {"event",
             {{[this]() -> std::string& { return m_Event.Name; }, 40, 1},
              {[this]() -> std::string& { return m_Event.Pages[0].CommandName; }, 4, 1}},
             [this](IN_DIALOG in) {
                 When<DLG_EVENT_SET>(in);
                 EditEvent(nullptr, &g_WndList, &m_Event, 0, [] {});
             }},
            {"action palette",
             {{[this]() -> std::string& { return m_Palette[0].Name; }, 64, 1},
              {[this]() -> std::string& { return m_Palette[0].Description; }, 256, 1}},
             [this](IN_DIALOG in) {
                 When<DLG_EVENTACTPLT>(in);
                 DLG_EVENTACTPLT dlg(nullptr, &g_WndList, &m_Palette, 0);
                 dlg.DoModal(0);
             }},
            {"message action",
             {{[this]() -> std::string& { return m_Message.Strs[0]; }, 30, 29}},
             [this](IN_DIALOG in) {
                 When<DLG_EACT_MESSAGE>(in);
                 EACT_CONTEXT context;
                 context.action = &m_Message;
                 DLG_EACT_BASE* dlg = CreateEactDialog(context, nullptr, &g_WndList, nullptr);
                 dlg->DoModal(0);
                 delete dlg;
             }},
        };
    }

    VECTOR_CLASS<cMoveAITemplate> m_Templates;
    VECTOR_CLASS<cEventActPlt> m_Palette;
    cEvent m_Event;
    cEventAct m_Message;
    cTestPlay m_TestPlay;
    int m_bTestPlayFile = 0;
    std::string m_TestPlayFile;
    VECTOR_CLASS<cEventActPlt> m_EventPalette;
};

}  // namespace

TEST_F(StoredTexts, EveryStringEditShowsAndKeepsATextBeyondItsLimit) {
    for (bool typeAtEnd : {false, true}) {
        for (const DialogCase& c : Cases()) {
            SCOPED_TRACE(std::string(c.name) + (typeAtEnd ? ", typed at the end" : ""));
            std::vector<std::string> stored;
            for (const StoredText& t : c.texts) {
                stored.push_back(OverLongText(t.units, t.lines));
                t.field() = stored.back();
            }
            std::vector<std::string> faults;
            size_t edits = 0;
            c.open([&](DLG_CLASS* d) {
                faults = StoredTextFaults(d, typeAtEnd, &edits);
                Click(d->m_hWnd, IDC_STAGEDLG_OK);
            });
            EXPECT_EQ(c.texts.size(), edits) << "every string edit of the dialog is in the table";
            EXPECT_EQ(std::vector<std::string>{}, faults);
            for (size_t i = 0; i < c.texts.size(); ++i) EXPECT_EQ(stored[i], c.texts[i].field()) << i;
        }
    }
}
