// What the records' fix-ups read from the rest of the project: the sizes of
// the lists their indices point into, the skill lists and classes whose
// layout a character follows, and the bounds of the stage a record lies on.
// A fix-up takes them as its argument. A Load or Save, whose signature is the
// persistence base's, takes the inputs of the load or save in progress
// (cFixupScope), else the project's as they are at that moment.
#pragma once

#include <cstddef>

#include "base/containers.h"

class cClass;
class cSkillList;

// The stage a record lies on: the one it is stored in, or, for the palettes
// and the start event, the stage being edited.
struct cStageBounds {
    int Width = 0;
    int Height = 0;
    int GroupCount = 0;  // position groups
};

struct cFixupInputs {
    size_t Elements = 0;      // the system's elements
    size_t CompatiTypes = 0;  // the media database's lists
    size_t PtVals = 0;
    size_t Pictures = 0;
    size_t Backs = 0;
    size_t Sounds = 0;
    size_t Bgms = 0;
    size_t Lands = 0;
    size_t Friends = 0;
    size_t Enemies = 0;
    const VECTOR_CLASS<cSkillList>* SkillLists = nullptr;  // null: none
    const VECTOR_CLASS<cClass>* Classes = nullptr;         // null: none
    cStageBounds Stage;

    size_t SkillListCount() const;
    // Skills and categories of list `list`; 0 for a list that does not exist.
    size_t SkillCount(int list) const;
    size_t CategoryCount(int list) const;
    size_t ClassCount() const;
    // The class at `index`, or null outside the list.
    const cClass* Class(int index) const;
};

// For its lifetime the fix-ups inside every Load and Save take `inputs`;
// scopes nest and the innermost counts. A null `inputs` defers them: a stage
// reads its records before it knows its own bounds, and fixes them up once
// it is read.
class cFixupScope {
public:
    explicit cFixupScope(const cFixupInputs* inputs);
    ~cFixupScope();
    cFixupScope(const cFixupScope&) = delete;
    cFixupScope& operator=(const cFixupScope&) = delete;

private:
    const cFixupInputs* m_pInputs;
    const cFixupScope* m_pOuter;
    friend const cFixupInputs* ActiveFixupInputs();
};

// The inputs a Load or Save fixes its record up against now: the innermost
// scope's, else the project's as they are at this call (valid until the next
// call). Null while a scope defers the fix-ups.
const cFixupInputs* ActiveFixupInputs();
// The inputs of the project the editor has open, g_Project
// (model/project_files.h), as it is now.
cFixupInputs ProjectFixupInputs();
