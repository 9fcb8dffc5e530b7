#pragma once
// The window messages the text editors share with a spell checker, registered by the text editor unit's start-up.

#include <cstdint>

namespace ui {

void RegisterSpellCheckerMessages();
// Posted to an inner edit after it paints: the checker redraws its underlines once the queue is empty of them.
uint32_t RedrawMisspellingsMessage();
// Sent by the checker to an editor; lParam points to a TuiSpellCheckerAutoCorrection.
uint32_t SpellCheckerAutoCorrectMessage();

} // namespace ui
