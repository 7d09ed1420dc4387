// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DatIcon.h"

#include "UnitPage.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

bool WriteIcon(const QString &FileName, int Size)
{
    QImage icon(Size, Size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Size / 64.0, Size / 64.0);

    // A pale die on a dark tile, in the colours of the title page.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.fillPath(tile, QColor(34, 34, 34));
    QPainterPath die;
    die.addRoundedRect(QRectF(10, 10, 44, 44), 9, 9);
    p.fillPath(die, PageColour);
    p.setPen(QPen(QColor(0, 128, 64), 2));
    p.drawPath(die);

    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(200, 0, 0));
    p.drawText(QRectF(10, 10, 44, 44), Qt::AlignCenter, QStringLiteral("100"));
    p.end();
    return icon.save(FileName, "PNG");
}
