#pragma once

#include "Phrases.h"

// The phrase table of the results, their working and the refusals in the
// user's language: every entry of numbers/PhraseList.h passed through the
// installed translation (context "Phrases"); the English table itself when
// there is none. A counted phrase takes the translation's plural form for
// each count when the phrase is translated, else the English forms.
numbers::Phrases translatedPhrases();
