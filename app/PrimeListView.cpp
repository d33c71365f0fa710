#include "PrimeListView.h"

#include "CaptionMenu.h"
#include "PrimeListModel.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace {

void putOnClipboard(const std::string &lines)
{
    if (lines.empty())
        return;
    QApplication::clipboard()->setText(QString::fromLatin1(lines.data(), static_cast<qsizetype>(lines.size())));
}

} // namespace

PrimeListView::PrimeListView(QWidget *parent) : QListView(parent), model_(new PrimeListModel(this))
{
    setModel(model_);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void PrimeListView::showPrimes(std::vector<std::int32_t> primes)
{
    model_->setPrimes(std::move(primes));
    clearSelection();
    scrollToTop();
}

QAction *PrimeListView::addShowWorking()
{
    workingEntry_ = CaptionMenu::newShowWorking(this);
    return workingEntry_;
}

void PrimeListView::copySelected()
{
    std::vector<int> rows;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    rows.reserve(static_cast<std::size_t>(selected.size()));
    for (const QModelIndex &index : selected)
        rows.push_back(index.row());
    putOnClipboard(model_->linesOf(std::move(rows)));
}

void PrimeListView::copyAll()
{
    putOnClipboard(model_->allLines());
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
    all->setEnabled(model_->rowCount() > 0);
    if (workingEntry_ != nullptr)
        menu.addAction(workingEntry_);
    menu.exec(event->globalPos());
}
