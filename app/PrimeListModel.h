#pragma once

#include <QAbstractListModel>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The primes found, one row each, ascending; a row's text is made only when a
// view asks for it.
class PrimeListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit PrimeListModel(QObject *parent = nullptr);

    // Replaces the whole list by primes (ascending), resetting every view.
    void setPrimes(std::vector<std::int32_t> primes);
    // The primes listed, ascending.
    std::span<const std::int32_t> primes() const { return listed_; }

    // Each prime in rows, in ascending order, as plain ASCII digits, each
    // followed by a line feed; rows outside the list are skipped.
    std::string linesOf(std::vector<int> rows) const;
    // Every listed prime in the same form.
    std::string allLines() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    std::vector<std::int32_t> listed_;
};
