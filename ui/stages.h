// Putting the copy counters and some controls back to a known point before
// the three big operations: window creation, a search and a copy.
#pragma once

constexpr int kStageWindowCreated = 1;
constexpr int kStageSearch = 2;
constexpr int kStageCopy = 3;

void ResetForStage(int stage);
void ShowCopyProgress();
void HideCopyProgress();
