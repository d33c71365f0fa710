#include "TranslatedPhrases.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {

constexpr const char *Context = "Phrases";

std::string text(const char *source) { return QCoreApplication::translate(Context, source).toStdString(); }

// The translation's form of source for each count. Without a translation Qt
// gives source itself with the count filled in, for every count; then the
// English forms hold ("1 prime: 2", not "1 primes: 2").
numbers::CountedPhrase counted(const char *source, numbers::CountedPhrase english)
{
    return [source, english = std::move(english)](std::int64_t count) {
        const int n = static_cast<int>(std::clamp<std::int64_t>(count, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
        const QString translated = QCoreApplication::translate(Context, source, nullptr, n);
        if (translated == QString::fromUtf8(source).replace(QLatin1String("%n"), QString::number(n)))
            return english(count);
        return translated.toStdString();
    };
}

} // namespace

numbers::Phrases translatedPhrases()
{
    numbers::Phrases phrases;
#define PHRASE(name, source) phrases.name = text(source);
#define COUNTED(name, source, englishOne) phrases.name = counted(source, std::move(phrases.name));
#include "PhraseList.h"
#undef PHRASE
#undef COUNTED
    return phrases;
}
