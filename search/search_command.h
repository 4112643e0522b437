// The search as the user starts it: the handlers of "开始寻找" and of the
// "..." button beside the path box.
#pragma once

// Checks the range and the path box, walks the folder, times the walk and
// reports the number of files found.
void StartSearch();
// Fills the path box from the folder browser; a cancelled browser empties it.
void ChooseSearchFolder();
