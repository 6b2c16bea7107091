// The user's movement-AI templates, "data\MoveAITemplate.dat", as the stage
// enemy dialog and the template dialog keep them: how many there may be, and
// the save either dialog makes at once. Window-free.
#pragma once

enum { MAX_MOVEAI_TEMPLATES = 999 };

// Writes the movement-AI templates to "data\MoveAITemplate.dat"; a failure
// is reported, and the file keeps what it held. 1 when written.
int SaveMoveAITemplates();
