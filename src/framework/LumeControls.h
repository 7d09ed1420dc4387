#pragma once

#include "LumeUtility.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

// The standard controls of a form. Captions are kept as Shift-JIS bytes and
// converted only when the control shows them; all are plain Qt widgets, so
// their texts reach the accessibility interface as standard controls do.

// The control font: the face the layout was drawn for, then its metric twin.
QFont LumeFont(int PixelHeight, bool Bold = false, bool Italic = false);

// A panel without bevel, filled with its colour.
class TLumePanel : public QWidget {
    Q_OBJECT
public:
    TLumePanel(QWidget *Parent, const QColor &Colour);
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
    void resizeEvent(QResizeEvent *Event) override;

private:
    // Where the caption may put ink; empty until a paint needs it.
    QRect InkArea() const;

    TSjis CaptionBytes;
    mutable QRect CachedInkArea;
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
// copy is kept in a buffer of its own, made once, in the pixel format of the
// window's backing store on X11 (24- and 32-bit visuals) and offscreen, so a
// repaint draws it without conversion.
class TLumePaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TLumePaintBox(QWidget *Parent);
    // Replaces the part of the shown picture under Image placed at (X, Y).
    void CopyFrom(const QImage &Image, int X, int Y);
    // Shows Image, from picture Source (a number other than 0), at (0, 0).
    // When Changed is given and the box still shows what Source last gave
    // it, only Changed is copied and repainted.
    void CopyChanged(const QImage &Image, const QRegion *Changed, uint64_t Source);
    const QImage &Canvas() const { return Shown; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;

private:
    void CopyArea(const QImage &Image, int X, int Y, const QRegion &Area);

    QImage Shown;
    uint64_t ShownSource = 0;
};

// A push button with an integer tag.
class TLumeButton : public QPushButton {
    Q_OBJECT
public:
    TLumeButton(QWidget *Parent, const QRect &Bounds, const QFont &Font, const TSjis &Caption,
                int Tag = 0);
    void SetCaption(const TSjis &Caption);
    const TSjis &Caption() const { return CaptionBytes; }
    int Tag;

private:
    TSjis CaptionBytes;
};
