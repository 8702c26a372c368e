#pragma once
// The data check of a campaign's dialogues as the talks reach them. Every opening a talk can
// pick is a section of its file: a race's generic openings for each attitude and each section
// word the race can have (the map's RACE_SECT and every "RACE@" of events.adf), wherever the
// race can be hailed (its fleets and patrols, the populated planets of its locations, those an
// event captures for it included); a character's opening for each current section it can have
// (chars.adf and every "CHARS@" of events.adf), in the heroes file of every race it can be
// hailed under and in the internal one when an event calls it. Every section of a file is
// reached from an opening or from one of the first three answers of a reached section (the
// communication screen offers no more), and every file is opened by some talk.
#include <string>
#include <vector>

namespace sw {

class TGameMain;

// One line per problem, FILE:SECTION:KEY: message, FILE relative to the game root:
// - a missing opening, once, with the first way a talk reaches it;
// - "FILE:SECTION:: the section is never reached from an opening or an answer";
// - "FILE::: no talk ever opens the file", once for a file no talk can open;
// - an answer after the third, which the player is never offered.
// What the answer check of the dialogues reports (answers that cannot be read, next sections
// not in the file) is not repeated.
std::vector<std::string> CheckDialogueReach(const TGameMain& game);

}  // namespace sw
