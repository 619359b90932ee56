// Automatic saving of the open text documents, run by the frame's timers.
#pragma once

namespace quelt::win {

struct EditContext;

// Saves every open text document that automatic saving applies to.
void AutoSaveTextDocuments(const EditContext& context);

}  // namespace quelt::win
