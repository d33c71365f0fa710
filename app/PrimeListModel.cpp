#include "PrimeListModel.h"

#include <algorithm>
#include <charconv>

namespace {

void appendLine(std::string &lines, std::int32_t prime)
{
    char digits[16];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), prime).ptr;
    lines.append(digits, end);
    lines.push_back('\n');
}

} // namespace

PrimeListModel::PrimeListModel(QObject *parent) : QAbstractListModel(parent) {}

void PrimeListModel::setPrimes(std::vector<std::int32_t> primes)
{
    beginResetModel();
    listed_ = std::move(primes);
    endResetModel();
}

std::string PrimeListModel::linesOf(std::vector<int> rows) const
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::string lines;
    lines.reserve(rows.size() * 7);
    for (const int row : rows) {
        if (row >= 0 && static_cast<std::size_t>(row) < listed_.size())
            appendLine(lines, listed_[static_cast<std::size_t>(row)]);
    }
    return lines;
}

std::string PrimeListModel::allLines() const
{
    std::string lines;
    lines.reserve(listed_.size() * 7);
    for (const std::int32_t prime : listed_)
        appendLine(lines, prime);
    return lines;
}

int PrimeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(listed_.size());
}

QVariant PrimeListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.column() != 0 || index.row() < 0
        || static_cast<std::size_t>(index.row()) >= listed_.size())
        return {};
    return QString::number(listed_[static_cast<std::size_t>(index.row())]);
}
