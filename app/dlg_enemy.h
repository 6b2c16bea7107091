// The enemy palette "敵パレット" (dialog 141): the open stage's placed
// enemies beside the stage editor while the enemy layer is the current one.
// Every command changes the stage at once, after an undo step; the chosen
// enemy is what the pen puts on the map.
#pragma once

#include "app/list_palette.h"
#include "model/placement.h"

class DLG_ENEMY_SET;

class DLG_ENEMY : public LIST_PALETTE {
public:
    DLG_ENEMY(WND_CLASS* stageEditor, WND_LIST_CLASS* wndList, cPaletteHost host);
    ~DLG_ENEMY() override;

    int OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnCommand(WPARAM wParam, LPARAM lParam) override;
    // A pick-up on the map chose enemy `index` (-1: none); the selection the
    // pick-up made stays the pen's.
    void SelectEntry(int index) override;
    void EditEntry(int index) override;

    CTRL_LIST_CLASS<cPutEnemy> m_List;
    cPutEnemy m_Record;                     // the current row's record
    DLG_ENEMY_SET* m_lpEnemySet = nullptr;  // while one enemy is edited

private:
    void Publish() override;
    void PublishRow();
    // Runs the stage enemy dialog on `record`; 1 after OK, which took the undo step.
    int EditRecord(cPutEnemy& record);
    void EditCurrent();
    void InsertAndEdit();
    void Paste();
    void SetCount();
    // After a change of the records: the rows, the choice and the map.
    void AfterChange();
};
