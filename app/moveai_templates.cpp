#include "app/moveai_templates.h"

#include "base/paths.h"
#include "base/report.h"
#include "base/serial.h"
#include "model/ai.h"

int SaveMoveAITemplates() {
    return ReportSave(SaveRecordList(g_MoveAITemplates, g_PathTable.MoveAITemplate), g_PathTable.MoveAITemplate);
}
