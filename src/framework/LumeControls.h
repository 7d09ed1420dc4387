// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeBmp.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

// The standard controls of a form. All are plain Qt widgets that lay out,
// shape and paint their captions as Qt does, so every script shows right and
// their texts reach the accessibility interface as standard controls do.

// A panel without bevel, filled with its colour.
class TLumePanel : public QWidget {
    Q_OBJECT
public:
    TLumePanel(QWidget *Parent, const QColor &Colour);
};

// A transparent label of fixed size, no word wrap, text at the top. A
// caption wider or taller than the label is drawn in a smaller size of its
// font, whole, centred on the line the full size would take; one that fits is
// drawn in the font given. A face whose line is taller than the layout's
// face's (LayoutFaceOf) is raised so that its letters stand where the
// layout's would.
class TLumeLabel : public QLabel {
    Q_OBJECT
public:
    TLumeLabel(QWidget *Parent, const QRect &Bounds, Qt::Alignment HAlign, const QFont &Font,
               const QColor &Colour, const QString &Caption);
    // Sets the caption; a CR LF pair is a line break.
    void SetCaption(const QString &Caption);
    const QString &Caption() const { return CaptionText; }
    void SetFontColour(const QColor &Colour);
    // Where the caption's lines are laid out: the label, its top moved down
    // or up so that the caption's em box is centred where the layout's face
    // puts its own at the full size.
    QRect CaptionRect() const { return rect().adjusted(0, Lift, 0, 0); }

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    // How far below the label's top a line in Shown starts.
    int LiftFor(const QFont &Shown);

    QString CaptionText;
    const QFont LayoutFont;
    const bool InLayoutFace;
    int LayoutAscent = -1; // measured once it is needed
    int Lift = 0;
};

// A one-pixel rectangle frame in the colour Pen, without fill.
class TLumeShape : public QFrame {
    Q_OBJECT
public:
    TLumeShape(QWidget *Parent, const QRect &Bounds, const QColor &Pen);
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

// A push button with an integer tag. Chosen is its click as the program takes
// it: only a button that is shown and enabled is ever chosen, however the
// click came (mouse, keys, an accessibility action, a deferred animated
// click). Enter presses it as Space does; the arrow keys move the focus. A
// caption too long for it is drawn smaller, as a label's is.
class TLumeButton : public QPushButton {
    Q_OBJECT
public:
    TLumeButton(QWidget *Parent, const QRect &Bounds, const QFont &Font, const QString &Caption,
                int Tag = 0);
    void SetCaption(const QString &Caption);
    // Shown within its window and enabled: a player can see and press it.
    bool Live() const;
    int Tag;

signals:
    void Chosen();

protected:
    bool event(QEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;

private:
    const QFont LayoutFont;
};
