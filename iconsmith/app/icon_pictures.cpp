#include "iconsmith/app/icon_pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>

QPixmap IconPicture(const std::string& icoBytes, int side) {
    QByteArray bytes = QByteArray::fromRawData(icoBytes.data(), qsizetype(icoBytes.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QImage best;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        QImage image = reader.read();
        if (image.isNull()) continue;
        const int distance = std::abs(image.width() - side);
        const int bestDistance = best.isNull() ? -1 : std::abs(best.width() - side);
        if (best.isNull() || distance < bestDistance ||
            (distance == bestDistance && image.width() > best.width()))
            best = std::move(image);
        if (best.width() == side) break;
    }
    if (best.isNull()) return {};
    if (best.width() != side || best.height() != side)
        best = best.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(best);
}
