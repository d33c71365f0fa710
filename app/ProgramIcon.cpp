#include "ProgramIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <array>
#include <map>

namespace {

constexpr std::array<int, 7> ShippedSizes{16, 24, 32, 48, 64, 128, 256};

class ProgramIconEngine : public QIconEngine {
public:
    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("hcflcm"); }

    QList<QSize> availableSizes(QIcon::Mode = QIcon::Normal, QIcon::State = QIcon::Off) override
    {
        QList<QSize> sizes;
        for (const int side : ShippedSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = shippedSideFor(size);
        return QSize(side, side).boundedTo(size);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        QPixmap &shipped = loaded_[shippedSideFor(size)];
        if (shipped.isNull())
            shipped.load(QStringLiteral(":/assets/icon-%1.png").arg(shippedSideFor(size)));
        if (shipped.size() == size || shipped.isNull())
            return shipped;
        return shipped.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    // The smallest shipped side that covers size, else the largest.
    static int shippedSideFor(const QSize &size)
    {
        for (const int side : ShippedSizes) {
            if (side >= std::max(size.width(), size.height()))
                return side;
        }
        return ShippedSizes.back();
    }

    std::map<int, QPixmap> loaded_;
};

} // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}
