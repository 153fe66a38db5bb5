#include "IconFiles.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

std::string png(int side, QColor colour) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

std::string block(const char* type, const std::string& data, quint32 claimedLength) {
    char length[4];
    qToBigEndian<quint32>(claimedLength ? claimedLength : static_cast<quint32>(data.size() + 8),
                          length);
    return std::string(type, 4) + std::string(length, 4) + data;
}
