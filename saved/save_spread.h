#pragma once

namespace tessaly {

// Appends the spread described by SharedState's SaveCards and SaveRemark to
// the saved list, after asking for the remark. The window on screen decides
// the kind. Every "Bewaar" button ends here.
void SaveSpread();

// What "Bewaar" says when the spread on screen is already in the list.
void ShowAlreadySaved();

} // namespace tessaly
