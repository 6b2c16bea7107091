#include "media/anim_play.h"

#include "base/report.h"

cAnimPlay g_AnimPlay;

void cAnimPlay::Load(const ANIM_PATTERN_LIST& patterns) {
    m_Patterns.clear();
    m_nPattern = m_nFrame = m_nTick = 0;
    m_Patterns.Assign(patterns);
}

const ANIM_PATTERN& cAnimPlay::PatternAt(int index) const {
    if (index >= 0 && index < GetPatternCount()) return m_Patterns[index];
    // A broken sequence only spoils a preview: logged, never a reason to quit.
    ReportAndEcLog("err V[%d] ( %d , %d )", index, GetPatternCount(), 24);
    static const ANIM_PATTERN empty;
    return m_Patterns.empty() ? empty : m_Patterns[0];
}

const cAnimFrame* cAnimPlay::CurrentFrame() const {
    if (m_nPattern < 0 || m_nPattern >= GetPatternCount()) return nullptr;
    const ANIM_PATTERN& pattern = m_Patterns[m_nPattern];
    if (m_nFrame < 0 || m_nFrame >= static_cast<int>(pattern.size())) return nullptr;
    return &pattern[m_nFrame];
}

int cAnimPlay::GetCell() const {
    const cAnimFrame* frame = CurrentFrame();
    return frame ? frame->nCell : 0;
}

int cAnimPlay::SetPattern(int index, int force) {
    const cAnimFrame* frame = CurrentFrame();
    if (!force && frame && frame->bHold) return 0;
    if (index < 0 || index >= GetPatternCount()) {
        PatternAt(index);  // logs
        m_nFrame = m_nTick = 0;
        return 0;
    }
    m_nPattern = index;
    m_nFrame = m_nTick = 0;
    return 1;
}

int cAnimPlay::Step() {
    if (m_Patterns.empty()) return 0;
    ++m_nTick;
    const cAnimFrame* frame = CurrentFrame();
    if (!frame) return 0;
    if (m_nTick > frame->nTicks) {
        const int count = static_cast<int>(m_Patterns[m_nPattern].size());
        m_nTick = 1;
        // A pattern that lacks its closing code stays on its last frame.
        if (m_nFrame + 1 < count) ++m_nFrame;
        frame = CurrentFrame();
        switch (frame->nCell) {
        case ANIM_JUMP: SetPattern(frame->nTicks, 1); break;
        case ANIM_RESTART: m_nFrame = 0; break;
        case ANIM_HOLD:
            if (m_nFrame > 0) --m_nFrame;
            break;
        default: break;
        }
    }
    return GetCell();
}
