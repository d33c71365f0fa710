#pragma once

#include "Phrases.h"

// The phrase table of the results, their working and the refusals in the
// user's language: numbers::Phrases with every phrase passed through the
// installed translation (the English table itself when there is none).
numbers::Phrases translatedPhrases();
