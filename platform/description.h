#pragma once

#include <QtGlobal>

// What Tandro says of itself outside its windows, in English, said here once, with the context and
// the name (its id) by which translations know each: what it is, in a paragraph and in a sentence,
// the kind of program it is, and words to find it by. --help says the paragraph; the desktop's
// menus, the software centres, the packages and the web page say them all, the build taking them
// with their translations from the translations (packaging/texts.py).
namespace Description {

inline constexpr char Context[] = "Tandro";

//: The description of the game: in --help (wrapped at 79 columns there), in software centres and
//: the desktop's menus. Use the same words for Go and for the six words as the window does.
//= description
inline constexpr char Paragraph[] = QT_TRANSLATE_NOOP(
        "Tandro",
        "A game for two names. Type your own name and your partner's name and press Go: the "
        "letters "
        "that the two names share cancel each other, and the number of letters left over counts "
        "round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one "
        "by one until one is left: the relationship between the two names.");

//: The one-line summary, under the name in a desktop's menu and a software centre.
//= summary
inline constexpr char Summary[] =
        QT_TRANSLATE_NOOP("Tandro", "Find the relationship between two names");

//: The kind of program, as a desktop's menu shows it beside the name.
//= generic-name
inline constexpr char GenericName[] = QT_TRANSLATE_NOOP("Tandro", "Name Game");

//: Words a desktop's search finds the game by: a list, each word ended by a semicolon.
//= keywords
inline constexpr char Keywords[] = QT_TRANSLATE_NOOP("Tandro", "love;names;relationship;game;");

} // namespace Description
