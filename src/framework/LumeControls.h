// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeBmp.h"
#include "LumeUtility.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTextLayout>
#include <QWidget>

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

// The standard controls of a form. Captions are kept as Shift-JIS bytes and
// converted only when the control shows them; all are plain Qt widgets, so
// their texts reach the accessibility interface as standard controls do.

// A panel without bevel, filled with its colour.
class TLumePanel : public QWidget {
    Q_OBJECT
public:
    TLumePanel(QWidget *Parent, const QColor &Colour);
};

// A control's font as a painter on the control resolves it, with the
// metrics that lay out its lines.
struct TLumeCaptionFont {
    QFont Font;
    qreal Leading;
    int LineHeight;
};

// A caption laid out once as QPainter::drawText lays out plain text in a
// rectangle, so that a repaint draws the kept glyphs instead of shaping the
// text again. The controls draw with it only where the result is the one
// their Qt painting gives, pixel for pixel.
class TLumeCaptionLayout {
public:
    // Lays out Text in Area, left to right, with one horizontal and one
    // vertical alignment in Flags.
    TLumeCaptionLayout(const QString &Text, const TLumeCaptionFont &Font, const QRect &Area,
                       Qt::Alignment Flags);
    // Whether it was laid out in Area with Flags.
    bool Fits(const QRect &Area, Qt::Alignment Flags) const
    {
        return Area == LaidOutArea && Flags == LaidOutFlags;
    }
    // Draws the lines with Brush as the style's item text is drawn.
    void Draw(QPainter &Painter, const QBrush &Brush) const;
    // Whether Qt draws this text as laid out here: left to right, with none
    // of the marks drawText treats specially beyond line breaks.
    bool Plain() const { return PlainText; }
    // Where the glyphs may put ink.
    const QRect &InkArea() const { return Ink; }

private:
    QSizeF LayOutLines(const QString &Text, const TLumeCaptionFont &Font, int Height);

    QTextLayout Layout;
    std::vector<QPointF> LineOrigins;
    QRect LaidOutArea;
    Qt::Alignment LaidOutFlags;
    QRect Ink;
    bool Overflows = false;
    bool PlainText = false;
};

// The layouts of the captions a control has shown: the rolling dice show
// the same hundred numbers again and again, and each is shaped only once.
class TLumeCaptionCache {
public:
    // The layout of Control's Text in Area with Flags, in Control's font.
    const TLumeCaptionLayout &Get(const QWidget &Control, const QString &Text, const QRect &Area,
                                  Qt::Alignment Flags);
    // Forgets every layout, as a change of font must.
    void Clear()
    {
        Kept.clear();
        Resolved.reset();
    }

private:
    std::unordered_map<QString, std::unique_ptr<TLumeCaptionLayout>> Kept;
    std::optional<TLumeCaptionFont> Resolved;
};

// A transparent label of fixed size, no word wrap, text at the top.
class TLumeLabel : public QLabel {
    Q_OBJECT
public:
    TLumeLabel(QWidget *Parent, const QRect &Bounds, Qt::Alignment HAlign, const QFont &Font,
               const QColor &Colour, const TSjis &Caption);
    // Sets the caption; a CR LF pair is a line break.
    void SetCaption(const TSjis &Caption);
    const TSjis &Caption() const { return CaptionBytes; }
    void SetFontColour(const QColor &Colour);
    QColor FontColour() const;

protected:
    void paintEvent(QPaintEvent *Event) override;
    void changeEvent(QEvent *Event) override;

private:
    // Whether the kept layout draws the caption exactly as QLabel would.
    bool DrawsCaptionItself() const;
    // The caption laid out for the label's current size, font and alignment.
    const TLumeCaptionLayout &CaptionLayout() const;
    // Where the caption may put ink.
    QRect InkArea() const;

    TSjis CaptionBytes;
    mutable TLumeCaptionCache Layouts;
};

// A one-pixel rectangle frame without fill.
class TLumeShape : public QWidget {
    Q_OBJECT
public:
    TLumeShape(QWidget *Parent, const QRect &Bounds, const QColor &Pen);
    QColor PenColour() const { return Pen; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor Pen;
};

// An image control: keeps its picture and repaints it by itself.
class TLumeImage : public QWidget {
    Q_OBJECT
public:
    explicit TLumeImage(QWidget *Parent);
    // The kept picture; null until something is copied onto the control.
    QImage Picture;

protected:
    void paintEvent(QPaintEvent *) override;
};

// A paint box: shows what was last copied onto it and raises Clicked. The
// copy is kept in a picture of its own, made once, in the pixel format of the
// window's backing store on X11 (24- and 32-bit visuals) and offscreen, so a
// repaint draws it without conversion.
class TLumePaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TLumePaintBox(QWidget *Parent);
    // Copies the Changed part of Picture onto the box at (0, 0) and repaints
    // it; all of Picture when the box showed another Source last.
    void Show(const QImage &Picture, const QRegion &Changed, const void *Source);
    const QImage &Canvas() const { return Shown; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;
    // Enter and Space do what a click does, once the box takes the focus.
    void keyPressEvent(QKeyEvent *Event) override;

private:
    QImage Shown;
    const void *ShownSource = nullptr;
};

// Shows what changed on Surface since Box last showed it.
void CopyToPaintBox(TLumeBitmap &Surface, TLumePaintBox &Box);
// Copies Surface onto Image's picture at (0, 0); a new picture is white.
void CopyToImage(const TLumeBitmap &Surface, TLumeImage &Image);

// A push button with an integer tag. Chosen is its click as the game takes
// it: only a button that is shown and enabled is ever chosen, however the
// click came (mouse, keys, an accessibility action, a deferred animated
// click). Enter presses it as Space does; the arrow keys move the focus.
class TLumeButton : public QPushButton {
    Q_OBJECT
public:
    TLumeButton(QWidget *Parent, const QRect &Bounds, const QFont &Font, const TSjis &Caption,
                int Tag = 0);
    void SetCaption(const TSjis &Caption);
    const TSjis &Caption() const { return CaptionBytes; }
    // Shown within its window and enabled: a player can see and press it.
    bool Live() const;
    int Tag;

signals:
    void Chosen();

protected:
    void paintEvent(QPaintEvent *Event) override;
    void changeEvent(QEvent *Event) override;
    bool event(QEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;

private:
    TSjis CaptionBytes;
    TLumeCaptionCache Layouts;
};
