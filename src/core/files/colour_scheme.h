#pragma once

#include <string>
#include <vector>

#include "core/files/scheme_store.h"

namespace kalder {

// How a block's colour lines become slots.
enum class BlockReading {
    // The main window's load: slot 3 is slot 2 lightened by 32, slot 5 is slot 4 darkened by 32;
    // the block's own lines for those two slots are skipped unread.
    Load,
    // The Options dialog's preview: every line as it stands.
    Preview,
};

// Fills slots 0 .. 12 from the block under `header`. False when the header is absent or the
// block is short or malformed; slots read before the failure keep their new colours.
bool read_scheme_block(const std::vector<std::string>& lines, const std::string& header,
                       BlockReading reading, SchemeTable& table);

// Fills slots 0 .. 12 from one base colour (a plain colour) and a contrast of -100 .. 300:
// darker and lighter shades of the base at 32, 64 and 128 times contrast / 100.
void DeriveScheme(Colour base, int contrast, SchemeTable& table);

// Relative luminance of a plain colour and the contrast ratio of two (1 .. 21).
double relative_luminance(Colour c);
double contrast_ratio(Colour a, Colour b);
// The program's dark text (LockedBack) where it stays readable (4.5 : 1) on `back` or reads
// better than the light text (LockedFore), else the light text.
Colour readable_text_on(Colour back);
// Black or white, whichever stands out more from `back`: the keyboard cursor's ring.
Colour focus_ring_on(Colour back);
// The line round every cell: black where it stands out (3 : 1) from the window, as the board
// was always drawn, else white, so that no cell melts into a dark window.
Colour cell_edge_on(Colour window);
// A link colour that reads (4.5 : 1) on `back`: a blue where one does, else the text colour.
Colour readable_link_on(Colour back);

// The slots the move marks are painted with: the dead-end box, the giver's ring and the line
// from the giver. Every shipped scheme sets them, and slot 10, to reach 3 : 1 against the
// window (slot 2) and the open cells (slot 4).
constexpr int DeadEndSlot = 9;
constexpr int GiverRingSlot = 11;
constexpr int MoveLineSlot = 12;

// Header texts naming "DEFAULT" in any letter case leave the menu bar as it is.
bool names_default(const std::string& scheme_name);

}  // namespace kalder
