// The game's other prose: the introduction, the help text, the two trigger passages and the player.
#pragma once

namespace content {

// The introduction shown after the title at start-up (about 810 characters): two line feeds; an
// indented paragraph crediting the adapted gamebook and the contest it was entered in; a blank
// line; "STORY INTRODUCTION"; a blank line; an indented paragraph presenting the game as a deadly
// puzzle that cannot be solved at the first try, urging the player to keep a record of every
// attempt and failure; a blank line; a line announcing that the adventure begins; two line feeds.
inline constexpr char kStoryIntro[] =
    "\n\n  This game is adapted from \"The Knock Before Dawn\", a short gamebook by M. Harrow, "
    "first entered in the 2009 Lantern Short Gamebook Contest. Its sections and choices follow the "
    "original closely; this edition adds pictures and a little polish, and leaves the author's "
    "sting in the tail exactly where it was.\n"
    "\n"
    "STORY INTRODUCTION\n"
    "\n"
    "  This is not a story you will finish at the first attempt. It is a puzzle with a bomb at its "
    "heart, and the bomb is not on your side. Almost every choice can kill you, some in ways you "
    "will not see coming, and the only way through is to learn from each death. Keep a pencil and "
    "paper beside you. Write down every attempt, every path you take and every failure that ends "
    "it, and be honest with yourself about how many tries it took. The book will ask.\n"
    "\n"
    "Your adventure begins now...\n\n";

// Help for the typed-command layout, which the game never opens (about 753 characters).
inline constexpr char kBasicHelp[] =
    "\nBASIC INSTRUCTIONS\n"
    "\n"
    "You play by typing commands. Type what you want to do into the text box under the story, "
    "then press ENTER or click the \"Submit\" button to send it.\n"
    "\n"
    "Typical actions are LOOK, TAKE [object], EXAMINE [object], USE [object], DROP [object], "
    "ASK [person], QUIT, HELP, NORTH, SOUTH, EAST, WEST, UP, DOWN, INVENTORY and HINT. Most "
    "commands are a verb followed by the thing or the person you want to act on.\n"
    "\n"
    "For example, you might type GO SOUTH to leave by the south exit, EXAMINE PATTERNS to study a "
    "design more closely, ASK WISEMAN to question the old man, or LOOK AROUND to have the scene "
    "described to you again.\n"
    "\n"
    "If the game does not understand you, try putting it more simply, in two or three words.\n"
    "\n"
    "Type HELP at any time for more commands and tips.\n";

// Trigger 3 (about 805 characters): the player reads in a red book what to do next; ends by
// telling the player to go up.
inline constexpr char kRedBookText[] =
    "\n  You open the red book at the page marked with a strip of faded ribbon. The handwriting is "
    "small and hurried, as if whoever wrote it expected to be interrupted. \"If you are reading "
    "this,\" it says, \"then you have come further than most, and you are wondering what to do "
    "next. Do not linger in this room. What you are looking for is not here, and the longer you "
    "stay, the harder it will be to leave. Take nothing that is not yours. Do not call out for "
    "help; no one who answers will mean you well. Trust nothing that "
    "offers itself too easily. The one who can help you does not come down to meet strangers, and "
    "you will find no answers waiting at ground level.\" The rest of the page has been torn away, "
    "but at the very bottom, underlined twice, a single line remains: \"When you have read this, "
    "close the book and go UP.\"";

// Trigger 4 (about 190 characters): a wise man says the book the player needs is in his dwelling.
inline constexpr char kWiseManText[] =
    "\n  The wise man studies you for a long moment before he speaks. \"The book you need is not "
    "here,\" he says at last. \"It waits for you in my dwelling, on the shelf beside the door. Go "
    "and fetch it.\"";

// The player entity's description (about 75 characters): one sentence, a first-time adventurer
// eager to discover.
inline constexpr char kPlayerDesc[] =
    "A first-time adventurer, eager to discover whatever lies around the corner.";

} // namespace content
