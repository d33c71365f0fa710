#pragma once

#include <QListView>

#include <cstdint>
#include <vector>

class PrimeListModel;

// The prime list: a view on its own PrimeListModel with extended selection
// (click, Shift+click, Ctrl+click, Ctrl+A). Ctrl+C and the right-click entry
// "&Copy" copy the selected primes, "Copy &All" every listed prime: ascending,
// one per line, each line ending with a line feed. With nothing to copy, the
// clipboard keeps what it held.
class PrimeListView : public QListView {
    Q_OBJECT

public:
    explicit PrimeListView(QWidget *parent = nullptr);

    // Lists primes (ascending), scrolled to the top with no row selected.
    void showPrimes(std::vector<std::int32_t> primes);
    // Adds "Show &Working" below Copy All and gives it back, for its owner to
    // connect and to enable.
    QAction *addShowWorking();
    // Puts the selected primes on the clipboard.
    void copySelected();
    // Puts every listed prime on the clipboard.
    void copyAll();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    PrimeListModel *model_;
    QAction *workingEntry_ = nullptr;
};
