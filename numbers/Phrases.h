#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace numbers {

// A phrase whose words follow a count: the phrase for that count, "%n" in it
// already replaced by the count's digits (other placeholders are left for
// Texts::fill). A translation gives each count its language's plural form.
using CountedPhrase = std::function<std::string(std::int64_t count)>;

// The English forms of a counted phrase: one for a count of 1, other for
// every other count.
CountedPhrase englishCounted(const char *one, const char *other);

// Every phrase the results, their working and the refusals are made of, in
// English, one member per entry of PhraseList.h (where each phrase and what
// it holds is described). Texts builds each text a user reads from this one
// table, so a translation fills in one table (the window's translated copy,
// app/TranslatedPhrases.cpp, made from the same list); numbers are always
// filled in as plain decimal digits.
struct Phrases {
// The list's sources are its English texts; Qt's own macros, where Qt's
// headers came first, give the same.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, source) source
#define NUMBERS_PHRASES_NOOP
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, source) source
#define NUMBERS_PHRASES_N_NOOP
#endif
#define PHRASE(name, english) std::string name = english;
#define COUNTED(name, english, englishOne) CountedPhrase name = englishCounted(englishOne, english);
#include "PhraseList.h"
#undef PHRASE
#undef COUNTED
#ifdef NUMBERS_PHRASES_NOOP
#undef QT_TRANSLATE_NOOP
#undef NUMBERS_PHRASES_NOOP
#endif
#ifdef NUMBERS_PHRASES_N_NOOP
#undef QT_TRANSLATE_N_NOOP
#undef NUMBERS_PHRASES_N_NOOP
#endif
};

} // namespace numbers
