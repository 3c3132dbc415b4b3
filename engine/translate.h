#pragma once
// The player's texts in the player's language, through gettext catalogues
// (<folder>/<language>/LC_MESSAGES/zentory.mo). English, the texts as written
// in the code, whenever no catalogue answers: no language chosen, an unknown
// one, a missing or unreadable file.
#include <string>

// Marks a text for xgettext where it is defined (a table, a message built
// by the core); it is translated by tr where it is shown.
#define N_(text) text

// Takes the language from the environment as gettext does (LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG) and the catalogues from folder. Only the
// messages category is set: numbers keep their decimal points.
void startTranslations(const std::string& folder);
// For tools and tests: the given language ("de"), or English for "".
void useLanguage(const std::string& language, const std::string& folder);
// The translation of an English text, or the text itself.
const char* tr(const char* english);
// The same for a text about n things, in the form the language uses for n.
const char* trn(const char* one, const char* many, unsigned long n);
