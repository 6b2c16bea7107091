// The animation stepper of the live previews: patterns of frames that name a
// cell and how many ticks it stays, with control codes between them.
#pragma once

#include "base/containers.h"

// Control codes in a frame's cell field.
enum {
    ANIM_HOLD = -1,     // stay on the frame before the code
    ANIM_RESTART = -2,  // back to frame 0 of the pattern
    ANIM_JUMP = -3,     // to the pattern named in the ticks field
};

struct cAnimFrame {
    int nCell;   // cell number (>= 0) or a control code
    int nTicks;  // ticks the cell stays; for ANIM_JUMP the pattern index
    int bHold;   // while current, a pattern change that is not forced is refused
};
typedef VECTOR_CLASS<cAnimFrame> ANIM_PATTERN;
typedef VECTOR_CLASS<ANIM_PATTERN> ANIM_PATTERN_LIST;

class cAnimPlay {
public:
    void Load(const ANIM_PATTERN_LIST& patterns);
    // One tick; the cell current afterwards (0 when there are no patterns).
    int Step();
    int GetCell() const;
    // 1 when switched; 0 when refused by the hold flag or when there is no
    // such pattern (the current one then restarts).
    int SetPattern(int index, int force);
    // Pattern `index`; outside the list the error is logged and pattern 0
    // (an empty pattern when there is none) is returned.
    const ANIM_PATTERN& PatternAt(int index) const;

    int GetPatternCount() const { return static_cast<int>(m_Patterns.size()); }
    int GetPatternIndex() const { return m_nPattern; }
    int GetFrameIndex() const { return m_nFrame; }
    int GetTick() const { return m_nTick; }

private:
    const cAnimFrame* CurrentFrame() const;

    ANIM_PATTERN_LIST m_Patterns;
    int m_nPattern = 0;
    int m_nFrame = 0;
    int m_nTick = 0;
};

// The one player every preview shares.
extern cAnimPlay g_AnimPlay;
