#pragma once

#include <QStringList>

// The language Tandro speaks: of those the player named, best first (QLocale::uiLanguages(): on
// Linux LANGUAGE's list, or else LC_ALL, LC_MESSAGES or LANG; on Windows the display language; in a
// web page the browser's), the first that Tandro has a translation of, or else English, its own.
namespace Translation {

// The translation to speak for languages (as QLocale::uiLanguages() names them, "de-AT" or
// "de_AT"): of the first language that Tandro speaks, its translation's name ("de", "pt_BR"): the
// language's own, in its variant if Tandro has it, or else any variant of it ("pt-PT" takes
// "pt_BR"). Empty for English, and where no language named is one Tandro has: English is its own.
QString choose(const QStringList &languages);

// The translation to speak for the player: choose() of the languages the system names.
QString forPlayer();

// Installs into the application (which must exist) the translation named (choose()'s answer), and
// Qt's own for Qt's texts (a message box's OK), where Qt has one: a system Qt's, beside it, or, for
// a program built with Qt inside it, the one among its resources; in place of those it installed
// before. The layout direction of an application with windows becomes the language's: right to
// left in Arabic.
// None, for English.
void install(const QString &translation);

} // namespace Translation
