// Pieces shared by the two passes of ParseParamTree; not for other callers.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ParamTree.h"

// Pass 1: fills tree->entries from the private copy of the text, which it
// changes (quote characters become spaces). Returns a ParseStatus and the
// number of entries made, which fill slots 0 to *made - 1.
int32_t ScanParamEntries(char* text, ParamTree* tree, int32_t* made);

// Grows the node's child or value array by one element of the given size and
// counts it; the new element is left for the caller to fill. Returns 1, or 0
// when the heap refuses (the array and its elements stay as they were).
int GrowParamItems(ParamNode* node, std::size_t elementSize);

// Releases the slot's node with everything it owns and empties the slot.
void ReleaseParamNode(ParamEntry* slot);
