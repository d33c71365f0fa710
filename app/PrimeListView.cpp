#include "PrimeListView.h"

#include "PrimeListModel.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace {

void putOnClipboard(const std::string &lines)
{
    QApplication::clipboard()->setText(QString::fromLatin1(lines.data(), static_cast<qsizetype>(lines.size())));
}

} // namespace

PrimeListView::PrimeListView(QWidget *parent) : QListView(parent), model(new PrimeListModel(this))
{
    setModel(model);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void PrimeListView::showPrimes(std::vector<std::int32_t> primes)
{
    model->setPrimes(std::move(primes));
    clearSelection();
    scrollToTop();
}

void PrimeListView::copySelected()
{
    std::vector<int> rows;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    rows.reserve(static_cast<std::size_t>(selected.size()));
    for (const QModelIndex &index : selected)
        rows.push_back(index.row());
    putOnClipboard(model->linesOf(std::move(rows)));
}

void PrimeListView::copyAll()
{
    putOnClipboard(model->allLines());
}

void PrimeListView::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Copy) {
        copySelected();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void PrimeListView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copy = menu.addAction(tr("&Copy"), this, &PrimeListView::copySelected);
    copy->setEnabled(selectionModel()->hasSelection());
    QAction *all = menu.addAction(tr("Copy &All"), this, &PrimeListView::copyAll);
    all->setEnabled(model->rowCount() > 0);
    menu.exec(event->globalPos());
}
