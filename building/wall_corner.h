// The corner of two external walls as drafts, for the edits that change a
// wall already joined to its neighbours, and writing a draft back into its
// wall.
#pragma once

#include "building/extwall_join.h"
#include "model/elements.h"

// Joins the end of `arriving` to the start of `leaving` (they meet at
// arriving's end): square walls meet where each layer line runs at its own
// depth, angled ones are mitred on the bisector; walls running on straight
// or turning back get free ends. Each wall keeps its own thicknesses.
void JoinExtCorner(WallDraft& arriving, WallDraft& leaving);

// Writes the draft's ends, layer points, thicknesses and length back into
// the wall.
void StoreDraft(TExtwallobj& w, const WallDraft& d);
