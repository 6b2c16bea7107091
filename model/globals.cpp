// Every global record of the data model, built here in dependency order and
// before any other global of the program. Records that other globals hold (a
// dialog's working records) read these while they are built: a default enemy
// reads the battle mode, and a default class, land or event page is fixed up
// against the whole project (ProjectFixupInputs). A new model global with a
// constructor that reads another global belongs here, below what it reads.
#include "base/editor_settings.h"
#include "model/ai.h"
#include "model/chara.h"
#include "model/class.h"
#include "model/event.h"
#include "model/gvalinfo.h"
#include "model/land.h"
#include "model/media_database.h"
#include "model/project_files.h"
#include "model/random_names.h"
#include "model/skill.h"
#include "model/stage.h"
#include "model/system.h"
#include "model/worldmap.h"

// Lower runs first; the default priority of every other global is 65535.
#define MODEL_GLOBAL __attribute__((init_priority(200)))

MODEL_GLOBAL cSystem g_System;
MODEL_GLOBAL cDatabase g_Database;
MODEL_GLOBAL VECTOR_CLASS<cSkillList> g_SkillLists;
MODEL_GLOBAL VECTOR_CLASS<cClass> g_ClassList;
MODEL_GLOBAL VECTOR_CLASS<cLand> g_LandList;
MODEL_GLOBAL VECTOR_CLASS<cFriend> g_FriendList;
MODEL_GLOBAL VECTOR_CLASS<cEnemy> g_EnemyList;
MODEL_GLOBAL VECTOR_CLASS<cMoveAITemplate> g_MoveAITemplates;
MODEL_GLOBAL VECTOR_CLASS<cGValInfo> g_GValInfo;
MODEL_GLOBAL VECTOR_CLASS<std::string> g_RandomNames;
// A default event page clamps its position group against the stage.
MODEL_GLOBAL cStage g_Stage;
MODEL_GLOBAL cWorldMap g_WorldMap;
MODEL_GLOBAL cEvent g_StartEvent;
MODEL_GLOBAL VECTOR_CLASS<cEvent> g_EventPlt;
MODEL_GLOBAL VECTOR_CLASS<cEventActPlt> g_EventActPlt;

// The project the editor has open: these records (constant, so that the
// records above may read it while they are built).
const cProject g_Project = {
    &g_GValInfo,        &g_Database,  &g_System,      &g_TestPlay,  &g_LandList,
    &g_SkillLists,      &g_ClassList, &g_FriendList,  &g_EnemyList, &g_Stage,
    &g_MoveAITemplates, &g_EventPlt,  &g_EventActPlt, &g_WorldMap,  &g_StartEvent,
};
